// Drag and drop of text: out of a view's selection, and into a view.
#include "editor/view/marl_view.h"

#include <algorithm>

#include "editor/doc/global_text_block.h"
#include "editor/doc/marl_doc.h"
#include "editor/view/view_drop_target.h"
#include "framework/callback_failure.h"
#include "framework/frame_wnd.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"

namespace {

// Drags closer than this to an edge scroll the view.
constexpr int kScrollZone = 6;

// The view whose text is being dragged out.  DoDragDrop is modal, so there
// is at most one; a drop into any view of the same document must keep the
// range that a move will delete in step with the text.
CMarlView* g_dragSource = nullptr;

} // namespace

// ---- Drop target ------------------------------------------------------------------

HRESULT ViewDropTarget::QueryInterface(REFIID riid, void** object)
{
    if (riid == IID_IUnknown || riid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

DWORD ViewDropTarget::EffectFor(DWORD keys, DWORD allowed) const
{
    if (!m_accept || ((keys & MK_CONTROL) && (keys & MK_SHIFT)))
        return DROPEFFECT_NONE;
    const DWORD wanted = (keys & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    if (allowed & wanted)
        return wanted;
    // A source that cannot give its text away (read-only) still lets it be copied.
    return allowed & DROPEFFECT_COPY;
}

HRESULT ViewDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect)
{
    return fw::GuardedComCall("dropping text", [&]() -> HRESULT {
        FORMATETC format = TextFormat();
        m_accept = data && data->QueryGetData(&format) == S_OK && m_view.GetDocument() &&
                   !m_view.IsReadOnly();
        if (m_accept) {
            if (fw::FrameWnd* frame = m_view.GetParentFrame())
                frame->ActivateFrame();
            SetFocus(m_view.GetHwnd());
        }
        *effect = EffectFor(keys, *effect);
        if (*effect != DROPEFFECT_NONE)
            FollowMouse(pt);
        return S_OK;
    });
}

HRESULT ViewDropTarget::DragOver(DWORD keys, POINTL pt, DWORD* effect)
{
    return fw::GuardedComCall("dropping text", [&]() -> HRESULT {
        *effect = EffectFor(keys, *effect);
        if (*effect == DROPEFFECT_NONE)
            return S_OK;
        // A mouse resting near an edge scrolls one step each time it is asked.
        POINT client{pt.x, pt.y};
        ScreenToClient(m_view.GetHwnd(), &client);
        const RECT& area = m_view.m_client;
        if (client.y < kScrollZone)
            m_view.ScrollLines(-1);
        else if (client.y > area.bottom - kScrollZone)
            m_view.ScrollLines(1);
        if (client.x < kScrollZone)
            m_view.OnHScroll(SB_LINELEFT, 0);
        else if (client.x > area.right - kScrollZone)
            m_view.OnHScroll(SB_LINERIGHT, 0);
        FollowMouse(pt);
        return S_OK;
    });
}

void ViewDropTarget::FollowMouse(POINTL pt)
{
    POINT client{pt.x, pt.y};
    ScreenToClient(m_view.GetHwnd(), &client);
    m_view.SetCaret(m_view.PositionAt(client.x, client.y));
}

HRESULT ViewDropTarget::DragLeave()
{
    return fw::GuardedComCall("dropping text", [&]() -> HRESULT {
        m_accept = false;
        return S_OK;
    });
}

HRESULT ViewDropTarget::Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect)
{
    return fw::GuardedComCall("dropping text", [&]() -> HRESULT {
        // The text goes where the user let go: no further scrolling.
        *effect = EffectFor(keys, *effect);
        if (*effect == DROPEFFECT_NONE)
            return S_OK;
        FollowMouse(pt);
        CMarlView& view = m_view;
        const TextPos at = view.m_pos.caret;
        if ((view.HasSelection() && at >= view.m_pos.selStart && at < view.m_pos.selEnd) ||
            view.IsInsideDraggedText(at)) {
            *effect = DROPEFFECT_NONE; // into the text itself: nothing happens
            return S_OK;
        }
        FORMATETC format = TextFormat();
        STGMEDIUM medium{};
        if (data->GetData(&format, &medium) != S_OK) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        std::unique_ptr<GlobalTextBlock> block = GlobalTextBlock::Borrow(medium.hGlobal);
        TextPos inserted = 0;
        if (block)
            inserted = view.InsertDropped(*block);
        block.reset();
        ReleaseStgMedium(&medium);
        if (inserted == 0)
            *effect = DROPEFFECT_NONE;
        return S_OK;
    });
}

// ---- The view's side -----------------------------------------------------------------

void CMarlView::RegisterDropTarget()
{
    m_dropTarget = std::make_unique<ViewDropTarget>(*this);
    // Fails when the program did not start OLE; the view then takes no drops.
    if (RegisterDragDrop(m_hWnd, m_dropTarget.get()) != S_OK)
        m_dropTarget.reset();
}

void CMarlView::RevokeDropTarget()
{
    if (m_dropTarget)
        RevokeDragDrop(m_hWnd);
}

TextPos CMarlView::InsertDropped(TextBlock& block)
{
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    const TextPos at = m_pos.caret;
    const int linesBefore = text.GetLineCount();
    const TextPos inserted = text.InsertBlock(at, block, static_cast<int>(m_pos.caretLine));
    if (inserted == 0)
        return 0;
    m_pos.selStart = at;
    m_pos.selEnd = at + inserted;
    m_pos.caret = at + inserted;
    m_pos.caretLine += text.GetLineCount() - linesBefore;
    m_nCaretColumn = text.ColumnOfPos(m_pos.caret);
    ResetScrollRange();
    InvalidateRect(m_hWnd, nullptr, FALSE);
    MakeVisible(m_pos.caret);
    return inserted;
}

bool CMarlView::IsInsideDraggedText(TextPos pos) const
{
    return g_dragSource && g_dragSource->GetDocument() == GetDocument() &&
           pos > g_dragSource->DragStart() && pos < static_cast<TextPos>(g_dragSource->m_drag[1]);
}

void CMarlView::StartDrag()
{
    std::unique_ptr<TextBlock> block = Text().CopyBlock(m_pos.selStart, m_pos.selEnd);
    if (!block)
        return;
    fw::GlobalMemory memory;
    if (auto* global = dynamic_cast<GlobalTextBlock*>(block.get()))
        memory = fw::GlobalMemory(global->Release());
    if (!memory)
        return;
    m_drag = {static_cast<long>(m_pos.selStart), static_cast<long>(m_pos.selEnd),
              static_cast<long>(m_pos.caret), m_pos.caretLine};
    m_bDraggingOut = true;
    g_dragSource = this;
    auto* data = new TextDataObject(std::move(memory)); // released through COM below
    TextDropSource source;
    DWORD effect = DROPEFFECT_NONE;
    // The text of a read-only document can only be copied out.
    const DWORD allowed = IsReadOnly() ? DROPEFFECT_COPY : DROPEFFECT_COPY | DROPEFFECT_MOVE;
    const HRESULT result = DoDragDrop(data, &source, allowed, &effect);
    data->Release();
    g_dragSource = nullptr;
    m_bDraggingOut = false;
    m_bMouseDown = false;
    if (result == DRAGDROP_S_DROP && effect == DROPEFFECT_MOVE && !IsReadOnly())
        RemoveDraggedText();
    else if (result != DRAGDROP_S_DROP || effect == DROPEFFECT_NONE)
        SetSelection(kNoPos, kNoPos);
    m_drag = {-1, -1, -1, -1};
}

void CMarlView::RemoveDraggedText()
{
    CMarlDoc::TextLock lock(*GetDocument());
    MarlDocCore& text = Text();
    const TextPos start = DragStart();
    // The notice moves the caret and the selection (the dropped text, when
    // it went into this view) with their bytes.
    text.DeleteBlock(start, static_cast<TextPos>(m_drag[1]) - start, text.CountLines(0, start) + 1,
                     start);
    if (m_pos.selStart == m_pos.selEnd)
        m_pos.selStart = m_pos.selEnd = kNoPos;
    ResetScrollRange();
    InvalidateRect(m_hWnd, nullptr, FALSE);
    MakeVisible(m_pos.caret);
}
