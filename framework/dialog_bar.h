// fw::DialogBar: a modeless dialog template docked to an edge of a frame
// (the left or the bottom).  Its controls' commands go to its own table,
// then through the frame's routing; update handlers drive its controls.
#pragma once
#include <windows.h>

#include "framework/command_target.h"
#include "framework/control_bar.h"
#include "framework/dialog.h"

namespace fw {

class DialogBar : public Dialog, public ControlBar, public CommandTarget {
public:
    // `templateId`: a child dialog without caption.
    explicit DialogBar(UINT templateId);
    ~DialogBar() override;

    // Creates the bar as child `id` of `frame`, docked at `edge`; its
    // template's size is its width (left, right) or height (top, bottom).
    bool Create(FrameWnd& frame, DockEdge edge, UINT id);

    HWND GetBarHwnd() const override { return m_hWnd; }
    int CalcThickness(DockEdge edge, int length) override;
    void OnUpdateCmdUI(CommandTarget& target, bool disableIfNoHandler) override;

protected:
    // Enter and Esc in a bar close nothing.
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(int id, int code, HWND control) override;
    INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    SIZE m_size{};
};

} // namespace fw
