// Typed views of the standard controls: one place for the SendMessage casts.
// A view does not own its control; it is as cheap as the HWND it holds.
#pragma once
#include <windows.h>

#include <string>

namespace fw {

std::string GetWindowString(HWND hWnd);
inline bool SetWindowString(HWND hWnd, const std::string& text)
{
    return SetWindowTextA(hWnd, text.c_str()) != FALSE;
}

class Control {
public:
    explicit Control(HWND hWnd) noexcept : m_hWnd(hWnd) {}
    HWND GetHwnd() const noexcept { return m_hWnd; }
    explicit operator bool() const noexcept { return m_hWnd != nullptr; }
    std::string GetText() const { return GetWindowString(m_hWnd); }
    bool SetText(const std::string& text) const { return SetWindowString(m_hWnd, text); }
    void Enable(bool on) const { EnableWindow(m_hWnd, on); }
    void Show(bool on) const { ShowWindow(m_hWnd, on ? SW_SHOW : SW_HIDE); }
    LONG_PTR Style() const { return GetWindowLongPtrA(m_hWnd, GWL_STYLE); }

protected:
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(m_hWnd, msg, wParam, lParam);
    }
    static LPARAM Str(const std::string& s) { return reinterpret_cast<LPARAM>(s.c_str()); }

    HWND m_hWnd;
};

class EditControl : public Control {
public:
    using Control::Control;
    void LimitText(int chars) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(chars)); }
    void SetSel(int start, int end) const { Send(EM_SETSEL, start, end); }
    void SelectAll() const { SetSel(0, -1); }
    void ReplaceSel(const std::string& text) const { Send(EM_REPLACESEL, TRUE, Str(text)); }
    bool GetModify() const { return Send(EM_GETMODIFY) != 0; }
    void SetReadOnly(bool on) const { Send(EM_SETREADONLY, on); }
};

class ButtonControl : public Control {
public:
    using Control::Control;
    int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }
    bool IsChecked() const { return GetCheck() == BST_CHECKED; }
    void SetCheck(int state) const { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }
    void SetChecked(bool on) const { SetCheck(on ? BST_CHECKED : BST_UNCHECKED); }
    // The button's own style (BS_CHECKBOX, BS_AUTORADIOBUTTON, ...).
    UINT Kind() const { return static_cast<UINT>(Style() & BS_TYPEMASK); }
    bool IsRadio() const { return Kind() == BS_RADIOBUTTON || Kind() == BS_AUTORADIOBUTTON; }
    void Click() const { Send(BM_CLICK); }
};

class ListBoxControl : public Control {
public:
    using Control::Control;
    int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(Send(LB_SETCURSEL, index)); }
    int AddString(const std::string& s) const
    {
        return static_cast<int>(Send(LB_ADDSTRING, 0, Str(s)));
    }
    int InsertString(int index, const std::string& s) const
    {
        return static_cast<int>(Send(LB_INSERTSTRING, index, Str(s)));
    }
    int DeleteString(int index) const { return static_cast<int>(Send(LB_DELETESTRING, index)); }
    void ResetContent() const { Send(LB_RESETCONTENT); }
    // Whole-text match, ignoring case; LB_ERR when absent.
    int FindStringExact(const std::string& s, int after = -1) const
    {
        return static_cast<int>(Send(LB_FINDSTRINGEXACT, after, Str(s)));
    }
    std::string GetItemText(int index) const;
    LRESULT GetItemData(int index) const { return Send(LB_GETITEMDATA, index); }
    void SetItemData(int index, LPARAM data) const { Send(LB_SETITEMDATA, index, data); }
};

class ComboBoxControl : public Control {
public:
    using Control::Control;
    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(Send(CB_SETCURSEL, index)); }
    int AddString(const std::string& s) const
    {
        return static_cast<int>(Send(CB_ADDSTRING, 0, Str(s)));
    }
    int InsertString(int index, const std::string& s) const
    {
        return static_cast<int>(Send(CB_INSERTSTRING, index, Str(s)));
    }
    int DeleteString(int index) const { return static_cast<int>(Send(CB_DELETESTRING, index)); }
    void SetItemData(int index, LPARAM data) const { Send(CB_SETITEMDATA, index, data); }
    LPARAM GetItemData(int index) const { return Send(CB_GETITEMDATA, index); }
    void ResetContent() const { Send(CB_RESETCONTENT); }
    int FindStringExact(const std::string& s, int after = -1) const
    {
        return static_cast<int>(Send(CB_FINDSTRINGEXACT, after, Str(s)));
    }
    std::string GetItemText(int index) const;
    void LimitText(int chars) const { Send(CB_LIMITTEXT, static_cast<WPARAM>(chars)); }
    // A drop-down list has no edit field: its text is always an item's.
    bool HasEdit() const { return (Style() & 3) != CBS_DROPDOWNLIST; }
};

} // namespace fw
