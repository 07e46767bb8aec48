// The installer's main window: captionless, borderless, without a menu,
// covering the whole screen; its one view is the setup view.  Page
// commands posted to it reach the view through the command routing.
#pragma once
#include "framework/frame_wnd.h"

class CMainFrame : public fw::FrameWnd {
public:
    bool LoadFrame(UINT idResource, DWORD style, fw::FrameWnd* parent,
                   fw::CreateContext* context) override;
    // The title stays the installer's: no document name is added.
    void OnUpdateFrameTitle(bool addToTitle) override;

protected:
    bool OnCreate(CREATESTRUCTA& cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
