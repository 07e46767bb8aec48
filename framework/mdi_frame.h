// fw::MDIFrameWnd: the main frame of a multiple-document program: the MDI
// client, the Window menu with its child list, cascade/tile/arrange, New
// Window, the active child, and command routing through the active child.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/frame_wnd.h"

namespace fw {

class MDIChildWnd;

class MDIFrameWnd : public FrameWnd {
public:
    MDIFrameWnd();
    ~MDIFrameWnd() override;

    bool LoadFrame(UINT idResource, DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                   FrameWnd* parent = nullptr, CreateContext* context = nullptr) override;

    HWND GetMDIClient() const { return m_hWndMDIClient; }
    // The active child frame (and whether it is maximised), or null.
    MDIChildWnd* MDIGetActive(bool* maximized = nullptr) const;
    void MDIActivate(HWND child);
    void MDINext(bool previous = false);
    std::vector<MDIChildWnd*> GetChildFrames() const;

    FrameWnd* GetActiveFrame() override;
    View* GetActiveView() const override;
    Document* GetActiveDocument() const override;
    void OnUpdateFrameTitle(bool addToTitle) override;
    void OnIdleUpdateCmdUI() override;
    bool OnCmdMsg(UINT id, CmdCode code, CmdUI* ui) override;
    // The rest of a child's route once its view, document and the child
    // itself passed: this frame, then the application.
    bool RouteBehindChildren(UINT id, CmdCode code, CmdUI* ui);
    bool PreTranslateMessage(MSG& msg) override;

    // Shows `child`'s menu (its template's) with its Window menu, or the
    // frame's own menu for null.
    void UpdateFrameMenu(MDIChildWnd* child);

    // The frame owns its children; a child leaves at the end of its window.
    MDIChildWnd* AdoptChild(std::unique_ptr<MDIChildWnd> child);
    void ReleaseChild(MDIChildWnd* child);

protected:
    bool OnCreate(CREATESTRUCTA& cs) override;
    void OnDestroy() override;
    LRESULT DefFrameProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void RepositionClient(const RECT& area) override;
    bool HandleCommand(UINT id, CmdCode code, CmdUI* ui) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    void OnWindowNew();
    void OnWindowCascade();
    void OnWindowTileHorz();
    void OnWindowTileVert();
    void OnWindowArrange();
    void OnUpdateMDIWindowCmd(CmdUI& ui);

private:
    HWND m_hWndMDIClient = nullptr;
    HMENU m_hMenuShown = nullptr;
    std::vector<std::unique_ptr<MDIChildWnd>> m_children;
};

// The popup of `menu` that serves as the Window menu (it holds a window
// command), or null.
HMENU FindWindowMenu(HMENU menu);

} // namespace fw
