// Thin wrappers of the platform's common dialogs: open and save-as, font,
// print setup and the modeless find/replace dialog.  File dialogs never
// change the current directory: it is process state the program owns.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/handles.h"

namespace fw {

// ---------------------------------------------------------------------------
// Open and save-as.

struct FileFilter {
    std::string description; // "C/C++ Source"
    std::string mask;        // "*.c;*.cpp"
};

// The platform's filter list: description NUL mask NUL ... NUL.
std::string MakeFilterList(const std::vector<FileFilter>& filters);
// The pairs of a filter list held in a buffer of `list.size()` bytes: up to
// the empty description, an unpaired description or the buffer's end.
std::vector<FileFilter> SplitFilterList(std::string_view list);

// Every path of a dialog's name buffer.  Explorer style: "path" for one file,
// "dir NUL name1 NUL name2 NUL NUL" for several.  The old style lists several
// as "dir name1 name2".  Nothing is read past the buffer, and a name the
// buffer cuts off (no terminator) is left out rather than returned truncated.
std::vector<std::string> ParseFileNames(std::string_view buffer, bool multiSelect,
                                        bool explorerStyle = true);

struct FileDialogOptions {
    HWND owner = nullptr;
    std::string title;      // empty: the platform's "Open" / "Save As"
    std::string filter;     // MakeFilterList, or a filter list of the program's
    DWORD filterIndex = 1;  // one-based
    std::string initialDir; // empty: the current directory
    std::string fileName;   // initial name
    std::string defaultExt; // without the dot
    size_t bufferSize = 4096;
    bool multiSelect = false;
    bool mustExist = true; // open: each chosen file must exist
    bool pathMustExist = true;
    bool showReadOnly = false;    // offer the read-only box
    bool readOnlyChecked = false; // its initial state
    bool overwritePrompt = true;  // save: ask before replacing a file
    bool explorerStyle = true;
    UINT templateId = 0;          // a custom template of the program's
    LPOFNHOOKPROC hook = nullptr; // with a template: the hook that serves it
    LPARAM hookData = 0;
    DWORD extraFlags = 0; // further OFN_ flags
};

struct FileDialogResult {
    std::vector<std::string> paths; // in the dialog's order; empty: cancelled or failed
    bool readOnly = false;          // state of the read-only box
    DWORD filterIndex = 0;
    DWORD error = 0; // CommDlgExtendedError() of a failure (FNERR_BUFFERTOOSMALL, ...); 0 on cancel
    explicit operator bool() const { return !paths.empty(); }
};

FileDialogResult ShowOpenDialog(const FileDialogOptions& options);
FileDialogResult ShowSaveDialog(const FileDialogOptions& options);

// ---------------------------------------------------------------------------
// Font: screen fonts with effects, from and to a LOGFONT.

struct FontChoice {
    LOGFONTA font{};
    COLORREF color = 0;
    int pointSize = 0; // tenths of a point
};

std::optional<FontChoice> ChooseScreenFont(HWND owner, const LOGFONTA& initial, COLORREF color = 0,
                                           DWORD extraFlags = 0);

// ---------------------------------------------------------------------------
// Printer chosen by the user: the device mode and names blocks of the
// platform's print dialogs, owned here.

class PrinterSettings {
public:
    // Print setup dialog; false when cancelled or when there is no printer.
    bool ShowSetupDialog(HWND owner);
    // The default printer without a dialog; false when there is none.
    bool LoadDefault();
    // Any print dialog (pd.Flags say which) starting from this printer; the
    // user's choice stays here.  False when cancelled or failed.
    bool RunDialog(PRINTDLGA& pd);
    bool HasPrinter() const { return static_cast<bool>(m_devNames); }
    std::string DeviceName() const;
    OwnedDC CreatePrinterDC() const;
    HGLOBAL DevMode() const { return m_devMode.get(); }
    HGLOBAL DevNames() const { return m_devNames.get(); }

private:
    bool Run(HWND owner, DWORD flags);

    GlobalMemory m_devMode;
    GlobalMemory m_devNames;
};

// ---------------------------------------------------------------------------
// Find and replace: modeless.  Its notifications reach the owner as the
// registered message Message() with the FINDREPLACE in lParam; FromNotify
// finds the object.  A derived class serves the extra controls of a custom
// template through OnInitDialog and OnCommand.

class FindReplaceDialog {
public:
    static constexpr size_t kTextSize = 128;

    struct Options {
        HWND owner = nullptr;
        bool replace = false; // the Replace dialog, else Find
        std::string findWhat;
        std::string replaceWith;
        DWORD flags = FR_DOWN; // initial FR_ flags
        UINT templateId = 0;   // a custom template of the program's
    };

    FindReplaceDialog() = default;
    virtual ~FindReplaceDialog();
    FindReplaceDialog(const FindReplaceDialog&) = delete;
    FindReplaceDialog& operator=(const FindReplaceDialog&) = delete;

    // Shows the dialog (always visible, also with a custom template);
    // false when it could not be created or one is already up.
    bool Create(const Options& options);
    // Closes the dialog without a termination notice to the owner.
    void Destroy();

    HWND GetHwnd() const { return m_hWnd; }
    static UINT Message();
    // The dialog object behind a Message() notification, or null.
    static FindReplaceDialog* FromNotify(LPARAM lParam);

    std::string FindWhat() const { return m_findWhat; }
    std::string ReplaceWith() const { return m_replaceWith; }
    DWORD Flags() const { return m_data.Flags; }
    bool SearchDown() const { return (m_data.Flags & FR_DOWN) != 0; }
    bool MatchCase() const { return (m_data.Flags & FR_MATCHCASE) != 0; }
    bool WholeWord() const { return (m_data.Flags & FR_WHOLEWORD) != 0; }
    bool FindNext() const { return (m_data.Flags & FR_FINDNEXT) != 0; }
    bool ReplaceCurrent() const { return (m_data.Flags & FR_REPLACE) != 0; }
    bool ReplaceAll() const { return (m_data.Flags & FR_REPLACEALL) != 0; }
    bool IsTerminating() const { return (m_data.Flags & FR_DIALOGTERM) != 0; }

protected:
    virtual void OnInitDialog() {}
    // Commands of the template's own controls; true when handled.
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    // Called once the window is gone.
    virtual void OnDestroyed() {}

private:
    static UINT_PTR CALLBACK StaticHook(HWND, UINT, WPARAM, LPARAM);
    UINT_PTR Hook(UINT msg, WPARAM wParam, LPARAM lParam);

    FINDREPLACEA m_data{};
    char m_findWhat[kTextSize] = {};
    char m_replaceWith[kTextSize] = {};
    HWND m_hWnd = nullptr;
};

} // namespace fw
