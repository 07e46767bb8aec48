#include "editor/view/view_navigation.h"

#include "editor/doc/marl_doc.h"
#include "editor/view/marl_view.h"
#include "resource.h"

#include <algorithm>
#include <cstring>

namespace {

// The counterpart of a brace and whether it is met scanning forward.
bool Counterpart(unsigned char c, unsigned char& other, bool& forward)
{
    const char* braces = "()[]{}";
    const char* at = c ? std::strchr(braces, c) : nullptr;
    if (!at)
        return false;
    const auto index = static_cast<std::size_t>(at - braces);
    forward = index % 2 == 0;
    other = static_cast<unsigned char>(braces[forward ? index + 1 : index - 1]);
    return true;
}

} // namespace

bool ViewNavigation::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<ViewNavigation> map{
        {ID_BOOKMARK_TOGGLE, &ViewNavigation::OnToggleBookmark},
        {ID_BOOKMARK_NEXT, &ViewNavigation::OnNextBookmark},
        {ID_BOOKMARK_PREVIOUS, &ViewNavigation::OnPreviousBookmark},
        {ID_BOOKMARK_CLEAR, &ViewNavigation::OnClearBookmarks},
        {ID_MATCH_BRACE, &ViewNavigation::OnMatchBrace},
        {ID_SELECT_ALL, &ViewNavigation::OnSelectAll},
    };
    return map.Dispatch(*this, id, code, ui);
}

void ViewNavigation::OnToggleBookmark()
{
    auto& slots = m_view.Bookmarks();
    const TextPos start = m_view.Text().LineStart(m_view.GetCaret());
    if (auto it = std::find(slots.begin(), slots.end(), start); it != slots.end()) {
        *it = kNoPos;
    } else if (auto empty = std::find(slots.begin(), slots.end(), kNoPos); empty != slots.end()) {
        *empty = start;
    } else {
        MessageBeep(0);
        return;
    }
    InvalidateRect(m_view.GetHwnd(), nullptr, FALSE);
}

void ViewNavigation::OnNextBookmark()
{
    GoToBookmark(true);
}

void ViewNavigation::OnPreviousBookmark()
{
    GoToBookmark(false);
}

void ViewNavigation::GoToBookmark(bool next)
{
    const TextPos here = m_view.Text().LineStart(m_view.GetCaret());
    TextPos best = kNoPos;
    for (TextPos slot : m_view.Bookmarks()) {
        if (slot == kNoPos || (next ? slot <= here : slot >= here))
            continue;
        if (best == kNoPos || (next ? slot < best : slot > best))
            best = slot;
    }
    if (best == kNoPos) {
        MessageBeep(0);
        return;
    }
    m_view.SetSelection(kNoPos, kNoPos);
    m_view.SetCaret(best);
}

void ViewNavigation::OnClearBookmarks()
{
    m_view.Bookmarks().fill(kNoPos);
    InvalidateRect(m_view.GetHwnd(), nullptr, FALSE);
}

void ViewNavigation::OnMatchBrace()
{
    CMarlDoc::TextLock lock(*m_view.GetDocument());
    MarlDocCore& text = m_view.Text();
    const TextPos length = text.GetLength();
    TextPos start = m_view.GetCaret();
    unsigned char brace = start < length ? text.GetChar(start) : 0;
    unsigned char other = 0;
    bool forward = true;
    if (!Counterpart(brace, other, forward)) {
        // The brace just behind the caret counts as well.
        if (start == 0 || !Counterpart(text.GetChar(start - 1), other, forward))
            return;
        brace = text.GetChar(--start);
    }
    int depth = 0;
    TextPos p = start;
    for (;;) {
        if (forward ? p + 1 >= length : p == 0) {
            MessageBeep(0);
            m_view.SetSelection(kNoPos, kNoPos);
            if (start != m_view.GetCaret())
                m_view.SetCaret(start);
            return;
        }
        p = forward ? p + 1 : p - 1;
        const unsigned char c = text.GetChar(p);
        if (c == brace)
            ++depth;
        else if (c == other && depth-- == 0)
            break;
    }
    const TextPos open = forward ? start : p;
    const TextPos close = forward ? p : start;
    m_view.SetCaret(forward ? close + 1 : open);
    m_view.SetSelection(open, close + 1);
}

void ViewNavigation::OnSelectAll()
{
    m_view.SetSelection(0, m_view.Text().GetLength());
}
