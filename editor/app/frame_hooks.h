// The features other parts of the editor add to the main frame and the
// application: each hook does nothing until its feature is installed.
#pragma once
#include <windows.h>

#include <string>

namespace fw {
class FrameWnd;
}

// The keyboard macro recorder (start when idle, stop when recording).
class MacroRecorderHook {
public:
    virtual ~MacroRecorderHook() = default;
    virtual void StartRecording() = 0;
    virtual void StopRecording() = 0;
    virtual bool IsRecording() const = 0;
    // Plays; while recording it ends the recording instead.
    virtual void Play() = 0;
    virtual bool Save(std::string& path) = 0;
    virtual bool Load(std::string& path) = 0;
    // The frame is gone: the macro's buffer goes too.
    virtual void Release() = 0;
};

// The document tab bar: created on command 126, and its navigation.
class TabBarHook {
public:
    virtual ~TabBarHook() = default;
    virtual bool Create() = 0;
    // 0 first, 1 previous, 2 next, 3 last
    virtual void Activate(int which) = 0;
};

class Profile;

// The user's tools: read from the profile at start-up, put back on the Tools
// menu before a menu opens, run by commands 106 to 115 (record 0 to 9).
class ToolsMenuHook {
public:
    virtual ~ToolsMenuHook() = default;
    virtual void Rebuild() = 0;
    virtual void Load(Profile& profile) = 0;
    virtual bool IsUsed(int index) const = 0;
    virtual void Run(int index) = 0;
};

// The option sheet "Options" with its pages (0 Settings ... 6 Colors).
class OptionSheetHook {
public:
    virtual ~OptionSheetHook() = default;
    virtual void Show(int page) = 0;
};

// The tip of the day at the end of start-up.
class TipHook {
public:
    virtual ~TipHook() = default;
    virtual void ShowTip() = 0;
};

// The file-open window beside the documents: where the workset pick list is
// placed, and refilled when the working directory changes.
class FileOpenWindowHook {
public:
    virtual ~FileOpenWindowHook() = default;
    // Docks it at the frame's left edge, filled from the working directory.
    virtual bool Create(fw::FrameWnd& frame) = 0;
    // Its window, or null while it is not shown.
    virtual HWND Window() const = 0;
    virtual void Refill() = 0;
    // File > Open while its list has the focus opens the list's selected
    // files instead of asking: true when it did.
    virtual bool OpenFocusedSelection() = 0;
};
