// The option sheet's pages that associate extensions with outside files:
// "Helpfiles" (CHelpfiles, with CAddHelpfileDlg) and "Outliner" (COutline,
// with CAddOutlinerDlg).  Each edits its working data while the sheet is
// up and writes its profile section back only when the sheet ends with OK.
#pragma once
#include <string>

#include "editor/integration/extension_entries.h"
#include "editor/integration/profile_section.h"
#include "framework/dialog.h"
#include "framework/property_sheet.h"

// "Add Helpfile" and "Add Outliner DLL": an extension and a file.
class CAddExtensionDlg : public fw::Dialog {
public:
    using fw::Dialog::Dialog;
    std::string m_strExtension;
    std::string m_strFile;

protected:
    void DoDataExchange(fw::DataExchange& dx) override;
};

class CAddHelpfileDlg : public CAddExtensionDlg {
public:
    explicit CAddHelpfileDlg(HWND owner = nullptr);

protected:
    bool OnCommand(int id, int code, HWND control) override;
};

class CAddOutlinerDlg : public CAddExtensionDlg {
public:
    explicit CAddOutlinerDlg(HWND owner = nullptr);
};

// The open dialog "Select Helpfile" (filter "Helpfiles", *.hlp); "" when
// cancelled.  The current directory stays as it is.
std::string BrowseHelpFile(HWND owner);

class CHelpfiles : public fw::PropertyPage {
public:
    explicit CHelpfiles(ProfileSection& help);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnApply() override;
    // The file "Add helpfile..." adds; tests answer it.
    virtual std::string ChooseHelpFile() { return BrowseHelpFile(m_hWnd); }
    // The "Add Helpfile" dialog: true with both fields on OK.
    virtual bool AskNewExtension(std::string& extension, std::string& file);

private:
    std::string SelectedExtension() const;
    void ShowFiles();
    void OnNewExtension();
    void OnAddFile();
    void OnDeleteFile();

    ProfileSection& m_section;
    ExtensionEntries m_entries;
};

class COutline : public fw::PropertyPage {
public:
    explicit COutline(ProfileSection& outliners);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnApply() override;
    virtual bool AskNewExtension(std::string& extension, std::string& library);

private:
    std::string SelectedExtension() const;
    void ShowLibrary();
    void OnAdd();
    void OnDelete();

    ProfileSection& m_section;
    ExtensionEntries m_entries;
    bool m_bFilling = false; // the field is being filled, not typed in
};
