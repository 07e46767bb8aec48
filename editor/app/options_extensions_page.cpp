#include "editor/app/options_extensions_page.h"

#include <utility>

#include "editor/res/resource.h"

CExtensions::CExtensions(ExtensionTable& table, Profile& profile, std::function<void()> onRebuilt)
    : fw::PropertyPage(IDD_OPTIONS_EXTENSIONS), m_table(table), m_profile(profile),
      m_onRebuilt(std::move(onRebuilt)), m_list(table.Entries())
{
}

fw::ListBoxControl CExtensions::List() const
{
    return fw::ListBoxControl(GetItem(IDC_EXT_LIST));
}

BOOL CExtensions::OnInitDialog()
{
    fw::PropertyPage::OnInitDialog();
    // As long as the profile keeps: what is typed is what is stored.
    for (int id : {IDC_EXT_DESCRIPTION, IDC_EXT_MASK})
        SendMessageA(GetItem(id), EM_LIMITTEXT, kMaxExtensionField, 0);
    FillList();
    return TRUE;
}

void CExtensions::FillList()
{
    const fw::ListBoxControl list = List();
    list.ResetContent();
    for (const ExtensionEntry& entry : m_list.Entries())
        list.AddString(entry.description);
    list.SetCurSel(m_list.Selected());
    ShowSelected();
}

void CExtensions::ShowSelected()
{
    const int selected = m_list.Selected();
    m_bShowing = true;
    SetItemText(IDC_EXT_DESCRIPTION, selected < 0 ? "" : m_list.Entries()[selected].description);
    SetItemText(IDC_EXT_MASK, selected < 0 ? "" : m_list.Entries()[selected].mask);
    m_bShowing = false;
}

void CExtensions::OnFieldChanged(int id)
{
    const int selected = m_list.Selected();
    if (m_bShowing || selected < 0)
        return;
    if (id == IDC_EXT_MASK) {
        m_list.SetMask(GetItemText(id));
        return;
    }
    m_list.SetDescription(GetItemText(id));
    const fw::ListBoxControl list = List();
    list.DeleteString(selected);
    list.InsertString(selected, m_list.Entries()[selected].description);
    list.SetCurSel(selected);
}

bool CExtensions::OnCommand(int id, int code, HWND)
{
    switch (id) {
    case IDC_EXT_LIST:
        if (code == LBN_SELCHANGE) {
            m_list.Select(List().GetCurSel());
            ShowSelected();
        }
        return true;
    case IDC_EXT_DESCRIPTION:
    case IDC_EXT_MASK:
        if (code == EN_CHANGE)
            OnFieldChanged(id);
        return true;
    case IDC_EXT_ADD:
        if (m_list.AddNew())
            FillList();
        return true;
    case IDC_EXT_DELETE:
        if (m_list.Delete())
            FillList();
        return true;
    case IDC_EXT_UP:
    case IDC_EXT_DOWN:
        if (m_list.Move(id == IDC_EXT_UP ? -1 : 1))
            FillList();
        return true;
    default:
        return false;
    }
}

void CExtensions::OnApply()
{
    WriteExtensionTable(m_profile, m_list.Entries(), m_table);
    if (m_onRebuilt)
        m_onRebuilt();
}
