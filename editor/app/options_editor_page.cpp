#include "editor/app/options_editor_page.h"

#include "editor/res/resource.h"
#include "editor/view/editor_font.h"
#include "framework/common_dialogs.h"
#include "framework/controls.h"

namespace {

// The settings keep their flags as numbers; the check boxes exchange bools.
void CheckFlag(fw::DataExchange& dx, int id, std::int32_t& flag)
{
    bool checked = flag != 0;
    dx.Check(id, checked);
    if (dx.IsSaving())
        flag = checked ? 1 : 0;
}

} // namespace

COptionsPage::COptionsPage(COptions& options, AppSettings& app)
    : fw::PropertyPage(IDD_OPTIONS_EDITOR), m_options(options), m_app(app), m_edit(options)
{
}

BOOL COptionsPage::OnInitDialog()
{
    fw::PropertyPage::OnInitDialog();
    SetItemText(IDC_OPT_FONT_NAME, m_app.m_strFontName);
    EnableInterval();
    return TRUE;
}

void COptionsPage::DoDataExchange(fw::DataExchange& dx)
{
    dx.Int(IDC_OPT_TAB_LENGTH, m_edit.m_nTabLength, kMinTabLength, kMaxTabLength);
    CheckFlag(dx, IDC_OPT_AUTO_INDENT, m_edit.m_bAutoIndent);
    CheckFlag(dx, IDC_OPT_CURSOR, m_edit.m_bCursor);
    CheckFlag(dx, IDC_OPT_PERMANENT, m_edit.m_bPermanent);
    CheckFlag(dx, IDC_OPT_BACKUP, m_edit.m_bBackup);
    CheckFlag(dx, IDC_OPT_AUTO_SAVE, m_edit.m_bAutoSave);
    dx.Int(IDC_OPT_INTERVALL, m_edit.m_nIntervall, kMinIntervall, kMaxIntervall);
    CheckFlag(dx, IDC_OPT_SAVE_ON_FOCUS, m_edit.m_bSaveOnFocus);
    CheckFlag(dx, IDC_OPT_SAVE_DESKTOP, m_edit.m_bSaveDeskTop);
    CheckFlag(dx, IDC_OPT_USE_BLANKS, m_edit.m_bUseBlanks);
    CheckFlag(dx, IDC_OPT_BRIEF_KEYS, m_edit.m_bBRIEFkeys);
}

bool COptionsPage::OnCommand(int id, int code, HWND)
{
    if (id == IDC_OPT_AUTO_SAVE && code == BN_CLICKED) {
        EnableInterval();
        return true;
    }
    if (id == IDC_OPT_FONT_CHANGE && code == BN_CLICKED) {
        OnChangeFont();
        return true;
    }
    return false;
}

void COptionsPage::EnableInterval()
{
    const bool on = fw::ButtonControl(GetItem(IDC_OPT_AUTO_SAVE)).IsChecked();
    for (int id : {IDC_OPT_EVERY, IDC_OPT_INTERVALL, IDC_OPT_MINUTES})
        EnableItem(id, on);
}

void COptionsPage::OnApply()
{
    m_options = m_edit;
}

void COptionsPage::OnChangeFont()
{
    const LOGFONTA font = EditorFont(m_app);
    const std::optional<fw::FontChoice> chosen = fw::ChooseScreenFont(m_hWnd, font);
    if (!chosen)
        return;
    m_app.m_strFontName = chosen->font.lfFaceName;
    m_app.m_nFontHeight = chosen->font.lfHeight;
    m_app.m_nFontWeight = chosen->font.lfWeight;
    m_app.m_nCharset = chosen->font.lfCharSet;
    m_app.m_nFontFamily = chosen->font.lfPitchAndFamily;
    SetItemText(IDC_OPT_FONT_NAME, m_app.m_strFontName);
}
