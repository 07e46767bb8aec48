// fw::StatusBar: the platform's status bar at the bottom of a frame: a
// stretching message pane and indicator panes as wide as their strings,
// kept up to date by update handlers at idle time (a disabled pane is
// blank; a pane without handler keeps its text).
#pragma once
#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/control_bar.h"
#include "framework/res/fw_resource.h"
#include "framework/window.h"

namespace fw {

class StatusBar : public Window, public ControlBar {
public:
    StatusBar();
    ~StatusBar() override;

    bool Create(FrameWnd& frame, UINT id = FW_IDW_STATUS_BAR);
    // Pane 0 (ID_SEPARATOR) is the message pane; every other id names the
    // string that gives the pane its first text and its width.
    bool SetIndicators(std::span<const UINT> ids);

    int GetPaneCount() const { return static_cast<int>(m_panes.size()); }
    UINT GetItemId(int index) const;
    int CommandToIndex(UINT id) const;
    void SetPaneText(int index, std::string_view text);
    // The pane's text; a disabled pane shows none of it.
    const std::string& GetPaneText(int index) const;
    std::string GetShownText(int index) const;
    void SetPaneEnabled(int index, bool enabled);
    bool IsPaneEnabled(int index) const;
    int GetPaneWidth(int index) const;

    HWND GetBarHwnd() const override { return m_hWnd; }
    int CalcThickness(DockEdge edge, int length) override;
    bool IsOutermost() const override { return true; }
    void OnUpdateCmdUI(CommandTarget& target, bool disableIfNoHandler) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    struct Pane {
        UINT id;
        std::string text;
        int width;
        bool enabled = true;
        bool popOut = false;
    };

    void UpdateParts();
    void ShowPane(int index);
    int TextWidth(const std::string& text) const;

    std::vector<Pane> m_panes;
    friend class StatusCmdUI;
};

} // namespace fw
