// Modal property sheets of fw dialogs.  Only OK and Cancel are offered (no
// Apply, no Help); a page whose data does not validate cannot be left, and
// OK is refused while the current page does not validate.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/dialog.h"

namespace fw {

class PropertySheetDialog;

class PropertyPage : public Dialog {
public:
    // `title` replaces the template's caption on the tab when not empty.
    explicit PropertyPage(UINT templateId, std::string title = {});

    // The sheet window while the page is up, else null.
    HWND GetSheet() const { return m_hWnd ? GetParent(m_hWnd) : nullptr; }

protected:
    friend class PropertySheetDialog;

    // The page becomes current; false refuses (the sheet stays where it was).
    virtual bool OnSetActive() { return true; }
    // The page is left or OK was pressed: default reads the controls back;
    // false keeps the page current (the problem has been reported).
    virtual bool OnKillActive() { return UpdateData(true); }
    // OK: every page that was ever shown commits its values.
    virtual void OnApply() {}
    // Cancel: every page that was ever shown.
    virtual void OnReset() {}

    // Enter and Escape belong to the sheet, not to the page.
    void OnOK() override {}
    void OnCancel() override {}
    INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK StaticPageProc(HWND, UINT, WPARAM, LPARAM);
    INT_PTR OnNotify(const NMHDR& header);
    PROPSHEETPAGEA Describe();

    std::string m_title;
    PropertySheetDialog* m_sheet = nullptr;
};

class PropertySheetDialog {
public:
    PropertySheetDialog(std::string caption, HWND owner = nullptr);
    PropertySheetDialog(const PropertySheetDialog&) = delete;
    PropertySheetDialog& operator=(const PropertySheetDialog&) = delete;

    // Pages are shown in the order added and must outlive DoModal.
    void AddPage(PropertyPage& page);
    // The page shown first (its index in the order of adding).
    void SetStartPage(UINT index) { m_startPage = index; }

    // IDOK when OK was pressed (and every page applied), IDCANCEL, or -1
    // when the sheet could not be created.
    INT_PTR DoModal();

    // The sheet window while it is up.
    HWND GetHwnd() const { return m_hWnd; }

private:
    friend class PropertyPage;
    static int CALLBACK SheetCallback(HWND hWnd, UINT msg, LPARAM lParam);
    void OnInitialized(HWND hWnd);

    std::string m_caption;
    HWND m_owner;
    UINT m_startPage = 0;
    std::vector<PropertyPage*> m_pages;
    HWND m_hWnd = nullptr;
    bool m_applied = false;
};

} // namespace fw
