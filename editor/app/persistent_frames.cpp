#include "editor/app/persistent_frames.h"

#include "editor/app/persistent_app.h"
#include "editor/app/profile.h"
#include "editor/app/settings_sections.h"
#include "framework/document.h"

namespace {

constexpr char kMainFrameKey[] = "MainFrame";

int ShowCommandOf(PlacementShow show)
{
    switch (show) {
    case PlacementShow::MinimizedNoActivate:
        return SW_SHOWMINNOACTIVE;
    case PlacementShow::Maximized:
        return SW_SHOWMAXIMIZED;
    case PlacementShow::Normal:
        break;
    }
    return SW_SHOWNORMAL;
}

::Profile* DesktopProfile()
{
    CPersistentApp* app = CPersistentApp::Current();
    return app ? app->DesktopProfile() : nullptr;
}

} // namespace

PlacementRecord QueryPlacement(HWND window)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    const RECT& normal = placement.rcNormalPosition;
    const bool minimized = placement.showCmd == SW_SHOWMINIMIZED || IsIconic(window);
    // A minimised window tells where it returns to by its restore flag.
    const bool maximized =
        minimized ? (placement.flags & WPF_RESTORETOMAXIMIZED) != 0 : IsZoomed(window) != FALSE;
    return {static_cast<int>(normal.left),
            static_cast<int>(normal.top),
            static_cast<int>(normal.right),
            static_cast<int>(normal.bottom),
            minimized,
            maximized};
}

int ApplyPlacement(HWND window, const PlacementRecord& record)
{
    const PlacementState state = StateOf(record);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    placement.flags = state.restoreToMaximized ? WPF_RESTORETOMAXIMIZED : 0;
    placement.showCmd = static_cast<UINT>(ShowCommandOf(state.show));
    placement.ptMinPosition = {0, 0};
    placement.ptMaxPosition = {-GetSystemMetrics(SM_CXBORDER), -GetSystemMetrics(SM_CYBORDER)};
    placement.rcNormalPosition = {record.left, record.top, record.right, record.bottom};
    SetWindowPlacement(window, &placement);
    return static_cast<int>(placement.showCmd);
}

// ---- CPerMultiDocTemplate -------------------------------------------------------

void CPerMultiDocTemplate::InitialUpdateFrame(fw::FrameWnd& frame, fw::Document* document,
                                              bool makeVisible)
{
    if (auto* child = dynamic_cast<CPerMDIChildWnd*>(&frame)) {
        if (!m_strPendingKey.empty())
            child->m_strDesktopKey = m_strPendingKey;
        child->m_nTemplateId = static_cast<std::int32_t>(GetResourceId());
        m_strPendingKey.clear();
    }
    fw::MultiDocTemplate::InitialUpdateFrame(frame, document, makeVisible);
}

// ---- CPerMainFrame ---------------------------------------------------------------

void CPerMainFrame::SavePlacement()
{
    CPersistentApp* app = CPersistentApp::Current();
    ::Profile* profile = app ? app->DesktopProfile() : nullptr;
    if (!profile || !app->m_nDesktopFlag)
        return;
    profile->WriteString(kSectionSettings, kMainFrameKey, FormatPlacement(QueryPlacement(m_hWnd)));
}

void CPerMainFrame::RestorePlacement()
{
    ::Profile* profile = DesktopProfile();
    if (!profile)
        return;
    const auto record = ParsePlacement(profile->ReadString(kSectionSettings, kMainFrameKey),
                                       PlacementOwner::MainWindow);
    if (record)
        ApplyPlacement(m_hWnd, *record);
}

void CPerMainFrame::OnDestroy()
{
    SavePlacement();
    fw::MDIFrameWnd::OnDestroy();
}

LRESULT CPerMainFrame::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SHOWWINDOW && m_bFirstShow) {
        // Once, the first time it is shown (or hidden).
        m_bFirstShow = 0;
        RestorePlacement();
    }
    return fw::MDIFrameWnd::WindowProc(msg, wParam, lParam);
}

// ---- CPerMDIChildWnd -------------------------------------------------------------

void CPerMDIChildWnd::SavePlacement()
{
    if (CPersistentApp* app = CPersistentApp::Current())
        app->SaveChildEntry(*this);
}

int CPerMDIChildWnd::RestorePlacement(int nCmdShow)
{
    ::Profile* profile = DesktopProfile();
    if (!profile)
        return nCmdShow;
    const auto record =
        ParsePlacement(profile->ReadString(kSectionDesktop, "Placement" + m_strDesktopKey),
                       PlacementOwner::EditorWindow);
    return record ? ApplyPlacement(m_hWnd, *record) : nCmdShow;
}

void CPerMDIChildWnd::ActivateFrame(int nCmdShow)
{
    if (!m_strDesktopKey.empty()) {
        nCmdShow = RestorePlacement(nCmdShow);
        m_strDesktopKey.clear();
    }
    fw::MDIChildWnd::ActivateFrame(nCmdShow);
}

void CPerMDIChildWnd::DestroyFrame()
{
    // The MDI client restores a maximised window on its way out: its state
    // is taken while it still shows it.
    if (m_hWnd)
        m_placementAtClose = QueryPlacement(m_hWnd);
    fw::MDIChildWnd::DestroyFrame();
}

PlacementRecord CPerMDIChildWnd::PlacementForEntry() const
{
    return m_placementAtClose ? *m_placementAtClose : QueryPlacement(m_hWnd);
}

void CPerMDIChildWnd::OnDestroy()
{
    fw::MDIChildWnd::OnDestroy();
    CPersistentApp* app = CPersistentApp::Current();
    if (app && app->m_bSaving)
        SavePlacement();
}
