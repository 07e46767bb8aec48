// CFileOpenWindow: the bar at the left edge listing the working directory's
// files by type.  Groups open and close on double click; files open by
// double click (through the shell), by the context menu or by dragging them
// onto a window that takes dropped files.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/app/file_list.h"
#include "editor/app/frame_hooks.h"
#include "framework/dialog_bar.h"
#include "framework/handles.h"

namespace fw {
class FrameWnd;
}

// The platform's file listing for the file list.
class Win32FileLister : public FileLister {
public:
    std::vector<FileListEntry> List(const std::string& directory,
                                    const std::string& pattern) override;
};

// The list's context menu for `selectedLines` selected lines.
fw::OwnedMenu MakeFileListMenu(int selectedLines);

class CFileOpenWindow : public fw::DialogBar, public FileOpenWindowHook {
public:
    // Asks the shell to open `name` in the current directory.
    using ShellOpen = std::function<void(HWND owner, const std::string& name)>;

    CFileOpenWindow();
    ~CFileOpenWindow() override;

    bool Create(fw::FrameWnd& frame) override;
    HWND Window() const override;
    // Fills the list anew from the working directory.
    void Refill() override;
    bool OpenFocusedSelection() override;

    // Double click: the shell's default action; tests see it here.
    void SetShellOpen(ShellOpen open) { m_shellOpen = std::move(open); }

    HWND GetList() const { return m_list.GetHwnd(); }
    const FileListModel& Model() const { return m_model; }
    int LineHeight() const { return m_lineHeight; }
    // Runs a context-menu command: Open, Change directory, Properties, Delete.
    void RunCommand(UINT id);
    // Opens or closes the group of header line `line`, or opens a file line.
    void OnDoubleClick(int line);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    class FileList : public fw::Window {
    public:
        explicit FileList(CFileOpenWindow& owner) : m_owner(owner) {}

    protected:
        LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    private:
        CFileOpenWindow& m_owner;
        // The button-down held back while a drag of several lines may start.
        LPARAM m_deferredDown = -1;
    };

    std::vector<std::uint32_t> SelectedItems(std::size_t limit) const;
    std::vector<std::string> SelectedPaths(std::size_t limit) const;
    void ToggleGroup(int line);
    void Reread(std::uint32_t group);
    void OnOpen();
    void OnDelete();
    void OnProperties();
    void ShowContextMenu(POINT screen);
    void DrawLine(const DRAWITEMSTRUCT& item);
    // Dragging out of the list.
    void OnButtonDown(POINT client);
    void OnDragMove(POINT client);
    void OnButtonUp(POINT client);
    void Drop(POINT screen);

    FileList m_list{*this};
    FileListModel m_model;
    Win32FileLister m_lister;
    ShellOpen m_shellOpen;
    fw::Bitmap m_groupClosed, m_groupOpen, m_fileWritable, m_fileReadOnly;
    fw::OwnedCursor m_dropNone, m_dropOne, m_dropMany;
    int m_lineHeight = 0;
    // Drag state
    POINT m_down{};
    bool m_tracking = false;
    bool m_dragStarted = false;
    bool m_mayDrop = false;
    HWND m_target = nullptr;
};
