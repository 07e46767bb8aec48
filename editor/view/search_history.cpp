#include "editor/view/search_history.h"

#include <vector>

namespace {

SearchHistory* g_history = nullptr;

std::string ItemText(HWND box, LRESULT index)
{
    LRESULT n = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n == CB_ERR)
        return {};
    std::vector<char> text(static_cast<std::size_t>(n) + 1);
    SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

} // namespace

SearchHistory* SearchHistory::Get()
{
    return g_history;
}

void SearchHistory::Set(SearchHistory* history)
{
    g_history = history;
}

void SearchHistory::Insert(const std::string& text, int options)
{
    SendMessageA(m_box, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(m_box, CB_SETITEMDATA, 0, options);
    SendMessageA(m_box, CB_SETCURSEL, 0, 0);
}

void SearchHistory::Record(const std::string& text, int options)
{
    // The list's exact-string lookup ignores case.
    LRESULT found = SendMessageA(m_box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text.c_str()));
    if (found != CB_ERR)
        SendMessageA(m_box, CB_DELETESTRING, static_cast<WPARAM>(found), 0);
    else
        ++m_counter;
    Insert(text, options);
}

bool SearchHistory::Current(std::string& text, int& options) const
{
    LRESULT index = SendMessageA(m_box, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return false;
    text = ItemText(m_box, index);
    options = static_cast<int>(SendMessageA(m_box, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    return true;
}

void SearchHistory::MoveSelectedToTop()
{
    LRESULT index = SendMessageA(m_box, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR || index == 0)
        return;
    std::string text = ItemText(m_box, index);
    auto options =
        static_cast<int>(SendMessageA(m_box, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    SendMessageA(m_box, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    Insert(text, options);
}
