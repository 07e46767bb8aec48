#include "framework/controls.h"

#include <vector>

namespace fw {

std::string GetWindowString(HWND hWnd)
{
    int length = GetWindowTextLengthA(hWnd);
    if (length <= 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

namespace {
std::string ItemText(HWND hWnd, UINT lenMsg, UINT textMsg, int index)
{
    LRESULT length = SendMessageA(hWnd, lenMsg, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    LRESULT got = SendMessageA(hWnd, textMsg, static_cast<WPARAM>(index),
                               reinterpret_cast<LPARAM>(buffer.data()));
    if (got < 0 || got > length)
        return {};
    return std::string(buffer.data(), static_cast<size_t>(got));
}
} // namespace

std::string ListBoxControl::GetItemText(int index) const
{
    return ItemText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, index);
}

std::string ComboBoxControl::GetItemText(int index) const
{
    return ItemText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

} // namespace fw
