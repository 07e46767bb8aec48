// CEditWorksetDialog ("Edit Workset"): the files of a workset chosen from the
// directories on disk.  "Cl&ose" saves the list (asking for a name when the
// workset is new) and the saved name becomes m_strWorkset; the directory the
// user browsed to is left again when the dialog closes.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/common_dialogs.h"
#include "framework/dialog.h"

inline constexpr const char* kUntitledWorkset = "[Untitled]";

class CEditWorksetDialog : public fw::Dialog {
public:
    // `workset` empty: a new, untitled workset.  `types`: the file types
    // (name and wildcard pattern) offered under "List Files of Type".
    CEditWorksetDialog(HWND owner, std::string workset, std::vector<fw::FileFilter> types);

    // The workset after "Cl&ose": the name it was saved under (unchanged when
    // nothing was saved).
    std::string m_strWorkset;
    bool m_bSaved = false;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code, HWND control) override;
    INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void ShowDirectory();
    void FillFiles();
    void ChooseType();
    void ChooseDrive();
    void OpenDirectory();
    void AddFile(int index);
    void AddAllFiles();
    void DeleteEntry();
    void Save();
    void Close(INT_PTR result);
    void SetPattern(const std::string& pattern);

    std::vector<fw::FileFilter> m_types;
    std::string m_strStartDirectory;
    std::string m_strDirectory;
    bool m_bPatternChanged = false;
    bool m_bSettingPattern = false;
};

// Reads a workset file's entries; false when it cannot be opened.
bool ReadWorksetFile(const std::string& path, std::vector<std::string>& entries);
// Writes the entries as the whole file; false when it cannot be created.
bool WriteWorksetFile(const std::string& path, const std::vector<std::string>& entries);
