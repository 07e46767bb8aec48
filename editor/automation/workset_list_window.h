// The pick list of "Load from workset": the current workset's files in a
// sorted list window; a click on a file opens it.  Either a captioned,
// sizeable window that stays until the user closes it, or a borderless list
// that holds the mouse and goes at the first click, wherever it lands.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "framework/window.h"

class CWorksetListWindow : public fw::Window {
public:
    using OpenFile = std::function<void(const std::string& path)>;
    explicit CWorksetListWindow(OpenFile open) : m_open(std::move(open)) {}
    ~CWorksetListWindow() override { Destroy(); }

    // Closes a list left open, then lists the files of `workset` with the
    // window's top left corner at `topLeft` (screen).  False, after "Cannot
    // access file list", when the workset cannot be read.
    bool Show(HWND owner, const std::string& workset, POINT topLeft, bool permanent);
    bool IsOpen() const { return m_hWnd != nullptr; }
    // The item under a point of the list's client area, or -1.
    int ItemAt(POINT client) const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::string ItemPath(int index) const;
    void OnCapturedClick(POINT client);

    OpenFile m_open;
    bool m_bPermanent = true;
    bool m_bClosing = false;
};
