// Drag and drop of text: out of a view's selection, and into a view.
#include "editor/view/marl_view.h"

#include <algorithm>

#include "editor/doc/global_text_block.h"
#include "editor/doc/marl_doc.h"
#include "editor/view/view_drop_target.h"
#include "framework/frame_wnd.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"

namespace {

// Drags closer than this to an edge scroll the view.
constexpr int kScrollZone = 6;

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

DWORD ViewDropTarget::EffectFor(DWORD keys) const
{
    if (!m_accept || ((keys & MK_CONTROL) && (keys & MK_SHIFT)))
        return DROPEFFECT_NONE;
    return (keys & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

HRESULT ViewDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect)
{
    FORMATETC format = TextFormat();
    m_accept =
        data && data->QueryGetData(&format) == S_OK && m_view.GetDocument() && !m_view.IsReadOnly();
    if (m_accept) {
        if (fw::FrameWnd* frame = m_view.GetParentFrame())
            frame->ActivateFrame();
        SetFocus(m_view.GetHwnd());
    }
    return DragOver(keys, pt, effect);
}

HRESULT ViewDropTarget::DragOver(DWORD keys, POINTL pt, DWORD* effect)
{
    *effect = EffectFor(keys);
    if (*effect == DROPEFFECT_NONE)
        return S_OK;
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
    m_view.SetCaret(m_view.PositionAt(client.x, client.y));
    return S_OK;
}

HRESULT ViewDropTarget::DragLeave()
{
    m_accept = false;
    return S_OK;
}

HRESULT ViewDropTarget::Drop(IDataObject* data, DWORD keys, POINTL pt, DWORD* effect)
{
    DragOver(keys, pt, effect);
    if (*effect == DROPEFFECT_NONE)
        return S_OK;
    CMarlView& view = m_view;
    const TextPos at = view.m_pos.caret;
    if (view.HasSelection() && at >= view.m_pos.selStart && at < view.m_pos.selEnd) {
        *effect = DROPEFFECT_NONE; // into its own selection: nothing happens
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
    const int lineDelta = text.GetLineCount() - linesBefore;
    m_comments.TextChanged(at, inserted);
    const ChangeNotice notice{at, static_cast<std::int32_t>(inserted), lineDelta};
    FollowOwnBookmarks(notice);
    // A move within this view must later delete the right bytes.
    if (m_bDraggingOut) {
        TextPos start = static_cast<TextPos>(m_drag[0]);
        TextPos end = static_cast<TextPos>(m_drag[1]);
        if (at <= start) {
            start += inserted;
            end += inserted;
        }
        m_drag[0] = static_cast<long>(start);
        m_drag[1] = static_cast<long>(end);
    }
    m_pos.selStart = at;
    m_pos.selEnd = at + inserted;
    m_pos.caret = at + inserted;
    m_pos.caretLine += lineDelta;
    m_nCaretColumn = text.ColumnOfPos(m_pos.caret);
    ResetScrollRange();
    InvalidateRect(m_hWnd, nullptr, FALSE);
    MakeVisible(m_pos.caret);
    NotifyOthers(at, static_cast<long>(inserted), lineDelta);
    return inserted;
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
    auto* data = new TextDataObject(std::move(memory)); // released through COM below
    TextDropSource source;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
    data->Release();
    m_bDraggingOut = false;
    m_bMouseDown = false;
    if (result == DRAGDROP_S_DROP && effect == DROPEFFECT_MOVE && !IsReadOnly()) {
        // The dropped copy stands; the source range goes.
        CMarlDoc::TextLock lock(*GetDocument());
        const TextPos caret = m_pos.caret;
        const TextPos start = static_cast<TextPos>(m_drag[0]);
        const TextPos end = static_cast<TextPos>(m_drag[1]);
        m_pos.selStart = start;
        m_pos.selEnd = end;
        m_pos.caret = start;
        m_pos.caretLine = Text().CountLines(0, start) + 1;
        DeleteSelection();
        // The caret stays behind the dropped text.
        m_pos.caret = caret > start ? (caret >= end ? caret - (end - start) : start) : caret;
        RecountCaret();
        ResetScrollRange();
        UpdateCaret();
    } else if (result != DRAGDROP_S_DROP || effect == DROPEFFECT_NONE) {
        m_pos.selStart = m_pos.selEnd = kNoPos;
        InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    m_drag = {-1, -1, -1, -1};
}
