#include "editor/view/marl_view.h"

#include <windowsx.h>
#include <commdlg.h>

#include <cstdio>

#include "editor/doc/marl_doc.h"
#include "editor/view/colour_decision.h"
#include "editor/view/doc_view_text.h"
#include "editor/view/editor_font.h"
#include "editor/view/view_drop_target.h"
#include "editor/view/view_context_menu.h"
#include "editor/view/view_geometry.h"
#include "editor/view/view_jump.h"
#include "editor/view/view_navigation.h"
#include "editor/view/view_print.h"
#include "editor/view/view_search.h"
#include "editor/view/view_settings.h"
#include "framework/application.h"
#include "framework/common_dialogs.h"
#include "resource.h"

namespace {

// The line-selection cursor: an arrow pointing right, into the line.
HCURSOR MakeLineCursor()
{
    constexpr int kSize = 32;
    BYTE andMask[kSize * kSize / 8];
    BYTE xorMask[kSize * kSize / 8] = {};
    for (BYTE& b : andMask)
        b = 0xFF;
    // Rows 4..20: a triangle widening towards the left edge, tip at the right.
    for (int y = 0; y < 17; ++y) {
        const int half = y <= 8 ? y : 16 - y;
        for (int x = 12 - half; x <= 12; ++x) {
            const int bit = (y + 4) * kSize + x + 2;
            andMask[bit / 8] &= static_cast<BYTE>(~(0x80 >> (bit % 8)));
            if (x > 12 - half && x < 12 && y > 0 && y < 16)
                xorMask[bit / 8] |= static_cast<BYTE>(0x80 >> (bit % 8));
        }
    }
    return CreateCursor(GetModuleHandleA(nullptr), 14, 12, kSize, kSize, andMask, xorMask);
}

} // namespace

CMarlView::CMarlView()
    : m_search(std::make_unique<ViewSearch>(*this)),
      m_navigation(std::make_unique<ViewNavigation>(*this)),
      m_jump(std::make_unique<ViewJump>(*this)), m_printing(std::make_unique<ViewPrinting>(*this))
{
}

CMarlView::~CMarlView() = default;

CMarlDoc* CMarlView::GetDocument() const
{
    return static_cast<CMarlDoc*>(fw::View::GetDocument());
}

MarlDocCore& CMarlView::Text() const
{
    return GetDocument()->Core();
}

bool CMarlView::HasSelection() const
{
    return m_pos.selStart != kNoPos && m_pos.selEnd != kNoPos && m_pos.selStart != m_pos.selEnd;
}

// ---- Messages ---------------------------------------------------------------

LRESULT CMarlView::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == fw::FindReplaceDialog::Message())
        return m_search->OnFindReplaceMessage(lParam);
    switch (msg) {
    case WM_CREATE:
        if (!OnCreate())
            return -1;
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_SIZE:
        OnSize();
        break;
    case WM_ERASEBKGND:
        return 1; // the paint covers every pixel
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && OnSetCursor(lParam))
            return TRUE;
        break;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_CHAR:
        OnChar(static_cast<unsigned char>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp();
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(static_cast<UINT>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_RBUTTONUP:
        // The caret stays where it is.
        TrackContextMenu(m_hWnd, GetAncestor(m_hWnd, GA_ROOT), HasSelection(), GET_X_LPARAM(lParam),
                         GET_Y_LPARAM(lParam));
        return 0;
    case WM_OUTLINE_GOTO_LINE:
        OnOutlineGotoLine(static_cast<long>(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kAutoScrollTimer) {
            OnAutoScrollTimer();
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        m_bCaptured = false;
        break;
    default:
        break;
    }
    return fw::View::WindowProc(msg, wParam, lParam);
}

bool CMarlView::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<CMarlView> map{
        // Motions and their extending twins
        {ID_CHAR_RIGHT, ID_LINE_END, &CMarlView::OnMotion},
        {ID_WORD_LEFT, ID_TEXT_END, &CMarlView::OnMotion},
        {ID_EXTEND_CHAR_RIGHT, ID_EXTEND_LINE_END, &CMarlView::OnExtend},
        {ID_EXTEND_WORD_LEFT, ID_EXTEND_TEXT_END, &CMarlView::OnExtend},
        // Editing
        {ID_DELETE_CHAR, &CMarlView::OnDeleteChar},
        {ID_DELETE_CHAR, &CMarlView::OnUpdateNeedsWritable},
        {ID_DELETE_BACK, &CMarlView::OnDeleteBack},
        {ID_DELETE_BACK, &CMarlView::OnUpdateNeedsWritable},
        {ID_DELETE_LINE, &CMarlView::OnDeleteLine},
        {ID_DELETE_LINE, &CMarlView::OnUpdateNeedsWritable},
        {ID_TOGGLE_OVERWRITE, &CMarlView::OnToggleOverwrite},
        {ID_EDIT_UNDO, &CMarlView::OnUndo},
        {ID_EDIT_REDO, &CMarlView::OnRedo},
        // Clipboard
        {ID_EDIT_COPY, &CMarlView::OnCopy},
        {ID_EDIT_COPY, &CMarlView::OnUpdateNeedsSelection},
        {ID_EDIT_CUT, &CMarlView::OnCut},
        {ID_EDIT_CUT, &CMarlView::OnUpdateCut},
        {ID_EDIT_PASTE, &CMarlView::OnPaste},
        {ID_EDIT_PASTE, &CMarlView::OnUpdatePaste},
        {ID_LINE_COPY, &CMarlView::OnLineCopy},
        {ID_LINE_CUT, &CMarlView::OnLineCut},
        {ID_LINE_CUT, &CMarlView::OnUpdateNeedsWritable},
        {ID_CLIPBOARD_APPEND, &CMarlView::OnAppendClipboard},
        {ID_CLIPBOARD_APPEND, &CMarlView::OnUpdateNeedsSelection},
        {ID_GOTO_STORED_LINE, &CMarlView::OnGotoStoredLine},
        {ID_FILE_INSERT, &CMarlView::OnInsertFile},
        {ID_FILE_INSERT, &CMarlView::OnUpdateNeedsWritable},
        {ID_OUTLINE, &CMarlView::OnOutline},
        {ID_OPEN_FILE_AT_CARET, &CMarlView::OnOpenFileAtCaret},
        {ID_HELP, &CMarlView::OnHelpOnWord},
        // Status panes
        {ID_INDICATOR_LINE, &CMarlView::OnUpdateLinePane},
        {ID_INDICATOR_COLUMN, &CMarlView::OnUpdateColumnPane},
        {ID_INDICATOR_READ, &CMarlView::OnUpdateReadPane},
        {ID_INDICATOR_OVR, &CMarlView::OnUpdateOverwritePane},
        // Window settings
        {ID_SETTINGS_CHANGED, &CMarlView::OnSettingsChanged},
        {ID_VIEW_FONT, &CMarlView::OnChooseFont},
        {ID_SHOW_HIDDEN, &CMarlView::OnToggleShowHidden},
        {ID_SHOW_HIDDEN, &CMarlView::OnUpdateShowHidden},
    };
    return map.Dispatch(*this, id, code, ui) || m_search->HandleCommand(id, code, ui) ||
           m_navigation->HandleCommand(id, code, ui) || m_jump->HandleCommand(id, code, ui) ||
           m_printing->HandleCommand(id, code, ui) || HandleConvertCommand(id, code, ui) ||
           fw::View::HandleCommand(id, code, ui);
}

// ---- Creation, size, focus --------------------------------------------------

namespace {

bool SameFont(const LOGFONTA& a, const LOGFONTA& b)
{
    return a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfCharSet == b.lfCharSet &&
           a.lfPitchAndFamily == b.lfPitchAndFamily &&
           lstrcmpiA(a.lfFaceName, b.lfFaceName) == 0;
}

} // namespace

bool CMarlView::OnCreate()
{
    m_settingsFont = EditorFont(CurrentAppSettings());
    m_font.reset(CreateFontIndirectA(&m_settingsFont));
    m_hIBeam = LoadCursor(nullptr, IDC_IBEAM);
    m_lineCursor.reset(MakeLineCursor());
    m_nLineHeight = 7;
    m_nScrollScale = 1;
    RegisterDropTarget();
    return true;
}

void CMarlView::OnDestroy()
{
    CloseOutline();
    m_search->OnViewDestroyed();
    m_printing->Preview().Close();
    RevokeDropTarget();
    if (m_bHasCaret)
        OnKillFocus();
}

void CMarlView::OnSize()
{
    m_bPainted = false;
    GetClientRect(m_hWnd, &m_client);
}

void CMarlView::OnSetFocus()
{
    if (!GetDocument())
        return;
    CreateViewCaret();
    m_nCaretColumn = Text().ColumnOfPos(m_pos.caret);
    m_bHasCaret = true;
    UpdateCaret();
    m_bPainted = true;
    m_bSkipMove = true;
    if (!m_bTextLocked) {
        GetDocument()->LockText();
        m_bTextLocked = true;
    }
}

void CMarlView::OnKillFocus()
{
    if (m_bHasCaret)
        DestroyCaret();
    m_bHasCaret = false;
    if (m_bTextLocked && GetDocument()) {
        GetDocument()->UnlockText();
        m_bTextLocked = false;
    }
}

bool CMarlView::OnSetCursor(LPARAM)
{
    POINT pt{};
    GetCursorPos(&pt);
    ScreenToClient(m_hWnd, &pt);
    const bool margin = m_nHorzOffset == 0 && pt.x < m_nCharWidth;
    SetCursor(margin && m_lineCursor ? m_lineCursor.get() : m_hIBeam);
    return true;
}

void CMarlView::CreateViewCaret()
{
    const int width = CurrentOptions().m_bCursor ? m_nCharWidth : 2 * GetSystemMetrics(SM_CYBORDER);
    CreateCaret(m_hWnd, nullptr, width, m_nLineHeight);
    m_bCaretShown = false;
}

void CMarlView::ReadFontMetrics()
{
    fw::ClientDC dc(m_hWnd);
    fw::SelectGuard select(dc.get(), m_font.get());
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.get(), &tm);
    m_bOemFont = tm.tmCharSet == OEM_CHARSET;
    m_nLineHeight = tm.tmHeight > 0 ? tm.tmHeight : 1;
    m_nCharWidth = tm.tmAveCharWidth > 0 ? tm.tmAveCharWidth : 1;
    m_nTabWidth = CurrentOptions().m_nTabLength * m_nCharWidth;
}

// ---- Initial update and updates ---------------------------------------------

void CMarlView::DecideColouring()
{
    m_bColouring =
        ::DecideColouring(CurrentAppSettings().m_bColorMode != 0, GetDocument()->GetPathName());
}

void CMarlView::ResetScrollRange()
{
    MarlDocCore& text = Text();
    m_nScrollScale = ScrollScale(text.GetLineCount());
    SetScrollRange(SB_VERT, 0, static_cast<int>(ScrollRange(text.GetLineCount(), m_nScrollScale)),
                   false);
    SetScrollPos(SB_VERT, static_cast<int>(ScrollPositionOf(m_nTopLine, m_nScrollScale)));
}

void CMarlView::OnInitialUpdate()
{
    CMarlDoc* doc = GetDocument();
    if (CurrentAppSettings().m_bColorMode)
        DecideColouring();
    doc->OnFirstViewShown();
    GetClientRect(m_hWnd, &m_client);
    ReadFontMetrics();
    doc->Core().RecountLines();
    ResetScrollRange();
    SetScrollRange(SB_HORZ, 0, kHorizontalSteps, false);
    ShowScrollBar(SB_HORZ, true);
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CMarlView::ResetPositions()
{
    m_pos = ViewPositions();
    m_nTopLine = 0;
    m_nScrollScale = 1;
    m_nCaretX = m_nCaretY = 0;
    m_nCaretColumn = 1;
    m_nHorzOffset = 0;
    m_nHorzPos = 0;
    m_bCaretHidden = false;
    m_bDraggingOut = false;
    m_drag = {-1, -1, -1, -1};
    m_comments.Reset();
    if (m_hWnd)
        SetScrollPos(SB_HORZ, 0);
}

void CMarlView::OnUpdate(fw::View*, LPARAM hint, void* hintObject)
{
    if (!GetDocument())
        return;
    MarlDocCore& text = Text();
    if (hintObject) {
        ApplyNotice(*static_cast<const ChangeNotice*>(hintObject));
    } else {
        if (hint == kHintReset)
            ResetPositions();
        if (hint == kHintRecount) {
            text.RecountLines();
            m_comments.Reset();
            m_nTopLine = text.CountLines(0, m_pos.top);
            RecountCaret();
        }
        if (hint == kHintRepaint)
            m_comments.Reset(); // a bulk change may have gone by
        SetTop(text.LineStart(m_pos.top));
        m_pos.selStart = m_pos.selEnd = kNoPos;
        if (m_hWnd)
            InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    if (CurrentAppSettings().m_bColorMode)
        DecideColouring();
    // A bulk change without a notice may have taken the caret's place away.
    if (m_pos.caretLine > text.GetLineCount() + 1 || m_pos.caret > text.GetLength()) {
        m_pos.caret = text.GetLength();
        RecountCaret();
    }
    if (m_hWnd) {
        ResetScrollRange();
        if (m_bHasCaret)
            UpdateCaret();
    }
}

void CMarlView::ApplyNotice(const ChangeNotice& notice)
{
    MarlDocCore& text = Text();
    m_comments.TextChanged(notice.position, notice.delta);
    const TextPos oldTop = m_pos.top;
    DocViewText view(text);
    NoticeEffect effect;
    {
        CMarlDoc::TextLock lock(*GetDocument());
        effect = ApplyChangeNotice(m_pos, notice, view);
    }
    if (m_pos.top != oldTop) {
        const bool reachedTop =
            notice.delta < 0 && static_cast<std::int64_t>(notice.position) - notice.delta >
                                    static_cast<std::int64_t>(oldTop);
        if (reachedTop)
            m_nTopLine = text.CountLines(0, m_pos.top);
        else
            m_nTopLine += notice.lineDelta;
    }
    if (m_bDraggingOut) {
        // The text being dragged out keeps its bytes for a later move.
        TextPos start = DragStart();
        TextPos end = static_cast<TextPos>(m_drag[1]);
        FollowChange(start, notice, true);
        FollowChange(end, notice, false);
        m_drag[0] = static_cast<long>(start);
        m_drag[1] = static_cast<long>(end);
    }
    if (effect.recountCaretLine)
        RecountCaret();
    m_nCaretColumn = text.ColumnOfPos(m_pos.caret);
    if (effect.repaintAll && m_hWnd)
        InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CMarlView::SetTop(TextPos top)
{
    if (top == m_pos.top)
        return;
    MarlDocCore& text = Text();
    m_nTopLine +=
        top > m_pos.top ? text.CountLines(m_pos.top, top) : -text.CountLines(top, m_pos.top);
    m_pos.top = top;
}

void CMarlView::SetTopLine(TextPos top, long topLine)
{
    m_pos.top = top;
    m_nTopLine = topLine;
}

void CMarlView::RecountCaret()
{
    MarlDocCore& text = Text();
    m_pos.caretLine = text.CountLines(0, m_pos.caret) + 1;
    m_nCaretColumn = text.ColumnOfPos(m_pos.caret);
}

// ---- Status panes -------------------------------------------------------------

void CMarlView::OnUpdateLinePane(fw::CmdUI& ui)
{
    char text[24];
    std::snprintf(text, sizeof text, "%06ld", m_pos.caretLine);
    ui.Enable(true);
    ui.SetText(text);
}

void CMarlView::OnUpdateColumnPane(fw::CmdUI& ui)
{
    char text[24];
    std::snprintf(text, sizeof text, "%04d", m_nCaretColumn);
    ui.Enable(true);
    ui.SetText(text);
}

void CMarlView::OnUpdateReadPane(fw::CmdUI& ui)
{
    ui.Enable(true);
    ui.SetText(Text().m_bReadOnly ? "READ" : "");
}

void CMarlView::OnUpdateOverwritePane(fw::CmdUI& ui)
{
    ui.Enable(true);
    ui.SetText(m_bOverwrite ? "OVR" : "");
}

// ---- Settings and font ----------------------------------------------------------

void CMarlView::OnSettingsChanged()
{
    // A new editor font on the option sheet reaches the open windows; a
    // window's own choice (View > Font) stays while the settings keep theirs.
    const LOGFONTA font = EditorFont(CurrentAppSettings());
    if (!SameFont(font, m_settingsFont)) {
        m_settingsFont = font;
        ApplyFont(font);
    }
    m_nTabWidth = CurrentOptions().m_nTabLength * m_nCharWidth;
    if (CurrentAppSettings().m_bColorMode)
        DecideColouring();
    else
        m_bColouring = false;
    InvalidateRect(m_hWnd, nullptr, FALSE);
    if (m_bHasCaret) {
        // The caret's shape may have changed too.
        DestroyCaret();
        CreateViewCaret();
    }
    m_nCaretColumn = Text().ColumnOfPos(m_pos.caret);
    MakeVisible(m_pos.caret);
}

void CMarlView::ApplyFont(const LOGFONTA& font)
{
    m_font.reset(CreateFontIndirectA(&font));
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), TRUE);
    ReadFontMetrics();
    if (m_bHasCaret) {
        DestroyCaret();
        CreateViewCaret();
        UpdateCaret();
    }
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CMarlView::OnChooseFont()
{
    LOGFONTA font{};
    GetObjectA(m_font.get(), sizeof font, &font);
    CHOOSEFONTA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = m_hWnd;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (ChooseFontA(&choose))
        ApplyFont(font);
}

void CMarlView::OnToggleShowHidden()
{
    m_bShowHidden = !m_bShowHidden;
    InvalidateRect(m_hWnd, nullptr, FALSE);
    UpdateCaret();
}

void CMarlView::OnUpdateShowHidden(fw::CmdUI& ui)
{
    ui.SetCheck(m_bShowHidden ? 1 : 0);
}
