// fw::Dialog: a modal or modeless dialog from a resource template.  One
// dialog-procedure trampoline binds the object at WM_INITDIALOG and stops
// exceptions at the boundary; Window::FromHandle finds the object too.
#pragma once
#include <windows.h>

#include <string>

#include "framework/ddx.h"
#include "framework/window.h"

namespace fw {

// Centres `window` on `over` (the screen when null, hidden or iconic), kept
// inside the work area.
void CenterWindowOver(HWND window, HWND over);

class Dialog : public Window {
public:
    // `owner` may be null: a modal dialog is then owned by the active window.
    explicit Dialog(UINT templateId, HWND owner = nullptr);
    ~Dialog() override;

    // Runs the dialog modally; the EndDialog result, or -1 when the dialog
    // could not be created.
    INT_PTR DoModal();
    // Creates the dialog modelessly.  It shows when its template has
    // WS_VISIBLE; the application's message loop gives it keyboard
    // navigation through PreTranslateModeless.
    bool Create();
    // Modal: ends the dialog with `result`.  Modeless: destroys the window.
    void EndDialog(INT_PTR result);

    bool IsModal() const { return m_modal; }
    UINT GetTemplateId() const { return m_templateId; }
    HWND GetOwner() const { return m_owner; }
    void SetOwner(HWND owner) { m_owner = owner; }

    // Loads the controls from the members (false) or reads them back (true);
    // false when a value failed validation (already reported).
    bool UpdateData(bool save);

    // Centres the dialog on `over`, by default its owner.
    void CenterWindow(HWND over = nullptr)
    {
        CenterWindowOver(m_hWnd, over ? over : GetWindow(m_hWnd, GW_OWNER));
    }

    HWND GetItem(int id) const { return GetDlgItem(m_hWnd, id); }
    std::string GetItemText(int id) const;
    void SetItemText(int id, const std::string& text) const;
    void EnableItem(int id, bool on) const { EnableWindow(GetItem(id), on); }
    void ShowItem(int id, bool on) const { ShowWindow(GetItem(id), on ? SW_SHOW : SW_HIDE); }
    bool IsItemChecked(int id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
    void CheckItem(int id, bool on) const
    {
        CheckDlgButton(m_hWnd, id, on ? BST_CHECKED : BST_UNCHECKED);
    }
    // Moves the focus to a control as the keyboard would (an edit's text is
    // selected).
    void GotoItem(int id) const;

    // Sub-classes control `id` with `control`, whose WindowProc then sees the
    // control's messages first.
    bool SubclassItem(int id, Window& control) { return control.Attach(GetItem(id)); }

    // The application's message loop asks here before translating a message:
    // true when a modeless dialog (or another registered window such as the
    // find/replace dialog) took it as dialog navigation.
    static bool PreTranslateModeless(MSG& msg);
    static void RegisterModeless(HWND hWnd);
    static void UnregisterModeless(HWND hWnd);

    // Background and text colour of every fw dialog (dialog, static texts,
    // buttons), set once by the application.
    static void SetColors(COLORREF background, COLORREF text);
    static void ResetColors();

protected:
    // Default: loads the controls (UpdateData(false)).  TRUE lets the dialog
    // put the focus on its first control.
    virtual BOOL OnInitDialog();
    // Default: reads the controls back and, when valid, ends with IDOK.
    virtual void OnOK();
    // Default: ends with IDCANCEL.
    virtual void OnCancel();
    // Commands other than IDOK and IDCANCEL; true when handled.
    virtual bool OnCommand(int id, int code, HWND control);
    virtual void DoDataExchange(DataExchange& dx);
    // Default: the message with the exclamation icon, then the focus back to
    // the control, the dialog stays open.
    virtual void OnValidationError(const ValidationError& error);
    // Default: the application-wide colours, or null for the system's.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT message);

    // Every message: the default dispatches to the hooks above.  Return TRUE
    // when handled (with SetMsgResult for a result), FALSE for the default.
    virtual INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Sets the result of the message being handled; returns TRUE.
    INT_PTR SetMsgResult(LRESULT result);

    static INT_PTR CALLBACK StaticDialogProc(HWND, UINT, WPARAM, LPARAM);
    // Shared by every dialog procedure of the layer: `creating` is the
    // object to bind at WM_INITDIALOG.
    static INT_PTR Trampoline(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, Dialog* creating);

private:
    INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleCommand(WPARAM wParam, LPARAM lParam);
    void Bind(HWND hWnd);
    void Unbind();

    UINT m_templateId;
    HWND m_owner;
    bool m_modal = false;
};

} // namespace fw
