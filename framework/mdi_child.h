// fw::MDIChildWnd: a document frame inside the MDI client: title, the first
// activation (a program may apply a placement before the first show), the
// close question when its document's last frame closes.
#pragma once
#include <windows.h>

#include "framework/frame_wnd.h"

namespace fw {

class DocTemplate;
class MDIFrameWnd;

class MDIChildWnd : public FrameWnd {
public:
    MDIChildWnd();
    ~MDIChildWnd() override;

    // Created hidden; InitialUpdateFrame shows it through ActivateFrame.
    bool LoadFrame(UINT idResource, DWORD style, FrameWnd* parent, CreateContext* context) override;

    MDIFrameWnd* GetMDIFrame() const { return m_pMDIFrame; }
    DocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    // The first show as well as later activations: -1 shows maximised when
    // the active child is maximised, else normal.  A program overrides it to
    // apply a stored placement first, then calls the base.
    void ActivateFrame(int nCmdShow = -1) override;
    void DestroyFrame() override;
    void OnUpdateFrameTitle(bool addToTitle) override;
    // The route of a child: its active view, then itself, then the MDI
    // frame and the application, whichever window the command came to (a
    // key the child translates itself must reach New or Open as the menu
    // does).
    bool OnCmdMsg(UINT id, CmdCode code, CmdUI* ui) override;
    bool PreTranslateMessage(MSG& msg) override;

    // The menu and accelerators shown while this child is active.
    HMENU GetSharedMenu() const { return m_hMenuShared; }
    HACCEL GetSharedAccelerators() const { return m_hAccelShared; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefFrameProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    std::string RegisterFrameClass(UINT idResource) override;
    void OnClose() override;
    void OnFinalRelease() override;
    // This child became active (or stopped being).
    virtual void OnMDIActivate(bool activate, HWND activated, HWND deactivated);

private:
    MDIFrameWnd* m_pMDIFrame = nullptr;
    DocTemplate* m_pDocTemplate = nullptr;
    HMENU m_hMenuShared = nullptr;
    HACCEL m_hAccelShared = nullptr;
    bool m_bCreating = false;
};

} // namespace fw
