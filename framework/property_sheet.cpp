#include "framework/property_sheet.h"

#include <algorithm>
#include <utility>

#include "framework/callback_failure.h"

namespace fw {

namespace {

// Button ids of the platform's sheet.
constexpr int kApplyButtonId = 0x3021;
constexpr int kHelpButtonId = IDHELP;

// The sheet being created: the creation callback carries no user data.
PropertySheetDialog* g_creatingSheet = nullptr;

// The "?" caption button is help too: the sheet's own template must not ask
// for it.
void RemoveContextHelp(void* dialogTemplate)
{
    if (!dialogTemplate)
        return;
    auto* words = static_cast<WORD*>(dialogTemplate);
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    if (extended) {
        // DLGTEMPLATEEX: dlgVer, signature, helpID, exStyle, style.
        auto* fields = reinterpret_cast<DWORD*>(words + 2);
        fields[1] &= ~static_cast<DWORD>(WS_EX_CONTEXTHELP);
        fields[2] &= ~static_cast<DWORD>(DS_CONTEXTHELP);
    } else {
        auto* plain = static_cast<DLGTEMPLATE*>(dialogTemplate);
        plain->style &= ~static_cast<DWORD>(DS_CONTEXTHELP);
        plain->dwExtendedStyle &= ~static_cast<DWORD>(WS_EX_CONTEXTHELP);
    }
}

} // namespace

PropertyPage::PropertyPage(UINT templateId, std::string title)
    : Dialog(templateId), m_title(std::move(title))
{
}

PROPSHEETPAGEA PropertyPage::Describe()
{
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = GetModuleHandleA(nullptr);
    page.pszTemplate = MAKEINTRESOURCEA(GetTemplateId());
    page.pfnDlgProc = StaticPageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    if (!m_title.empty()) {
        page.dwFlags |= PSP_USETITLE;
        page.pszTitle = m_title.c_str();
    }
    return page;
}

INT_PTR CALLBACK PropertyPage::StaticPageProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Dialog* creating = nullptr;
    if (msg == WM_INITDIALOG && lParam)
        creating =
            reinterpret_cast<PropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    return Trampoline(hWnd, msg, wParam, lParam, creating);
}

INT_PTR PropertyPage::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->hwndFrom == GetSheet())
            return OnNotify(*header);
    }
    return Dialog::DialogProc(msg, wParam, lParam);
}

INT_PTR PropertyPage::OnNotify(const NMHDR& header)
{
    switch (header.code) {
    case PSN_SETACTIVE:
        return SetMsgResult(OnSetActive() ? 0 : -1);
    case PSN_KILLACTIVE:
        // TRUE keeps the page.
        return SetMsgResult(OnKillActive() ? FALSE : TRUE);
    case PSN_APPLY:
        OnApply();
        if (m_sheet)
            m_sheet->m_applied = true;
        return SetMsgResult(PSNRET_NOERROR);
    case PSN_RESET:
        OnReset();
        return TRUE;
    default:
        return FALSE;
    }
}

PropertySheetDialog::PropertySheetDialog(std::string caption, HWND owner)
    : m_caption(std::move(caption)), m_owner(owner)
{
}

void PropertySheetDialog::AddPage(PropertyPage& page)
{
    page.m_sheet = this;
    m_pages.push_back(&page);
}

INT_PTR PropertySheetDialog::DoModal()
{
    if (m_pages.empty())
        return -1;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);

    std::vector<PROPSHEETPAGEA> pages;
    pages.reserve(m_pages.size());
    for (PropertyPage* page : m_pages)
        pages.push_back(page->Describe());

    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;
    header.hwndParent = m_owner ? m_owner : GetActiveWindow();
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = std::min<UINT>(m_startPage, header.nPages - 1);
    header.ppsp = pages.data();
    header.pfnCallback = SheetCallback;

    m_applied = false;
    PropertySheetDialog* outer = std::exchange(g_creatingSheet, this);
    INT_PTR result = ::PropertySheetA(&header);
    g_creatingSheet = outer;
    m_hWnd = nullptr;
    if (result < 0)
        return -1;
    return m_applied ? IDOK : IDCANCEL;
}

int CALLBACK PropertySheetDialog::SheetCallback(HWND hWnd, UINT msg, LPARAM lParam)
{
    // No exception may cross the platform's callback.
    try {
        if (msg == PSCB_PRECREATE)
            RemoveContextHelp(reinterpret_cast<void*>(lParam));
        else if (msg == PSCB_INITIALIZED && g_creatingSheet)
            g_creatingSheet->OnInitialized(hWnd);
    } catch (...) {
        ReportCallbackFailure("property sheet");
    }
    return 0;
}

void PropertySheetDialog::OnInitialized(HWND hWnd)
{
    m_hWnd = hWnd;
    for (int id : {kApplyButtonId, kHelpButtonId}) {
        if (HWND button = GetDlgItem(hWnd, id)) {
            ShowWindow(button, SW_HIDE);
            EnableWindow(button, FALSE);
        }
    }
    CenterWindowOver(hWnd, GetWindow(hWnd, GW_OWNER));
}

} // namespace fw
