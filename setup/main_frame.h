// The installer's main window: captionless, borderless, without a menu,
// covering the whole screen.  Page commands posted to it go to the view.
#pragma once
#include "framework/window.h"

class CSetupView;

class CMainFrame : public fw::Window {
public:
    explicit CMainFrame(CSetupView& view) : m_view(view) {}
    bool Create();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnCommand(unsigned id);

    CSetupView& m_view;
};
