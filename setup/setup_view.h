// The setup view: paints the backdrop and the progress box, runs each
// wizard page when its command arrives and the install command at the end.
#pragma once
#include <windows.h>

#include <memory>

#include "framework/handles.h"
#include "framework/view.h"
#include "setup/install_engine.h"
#include "setup/install_model.h"
#include "setup/progman_dde_win32.h"
#include "setup/progress_painter.h"
#include "setup/setup_messages_win32.h"
#include "setup/setup_platform_win32.h"
#include "setup/version_services_win32.h"
#include "setup/wizard_flow.h"

class CSetupView : public fw::View, public InstallView {
public:
    explicit CSetupView(InstallModel& model);
    ~CSetupView() override;

    // What the painting reads; null when no install has begun.
    const InstallProgress* Progress() const;

    // InstallView: repaints happen at once, without erasing.
    void RepaintAll() override;
    void RepaintCaptionStrip() override;
    void RepaintBar() override;
    void BringToTop() override;
    void SendExit() override;
    void PostExit() override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui) override;
    void OnPaint() override;

private:
    // The page commands and the install command.
    void OnPageCommand(UINT id);
    void InstallFiles();
    void RunPage(WizardPage page);
    PageResult ShowPage(WizardPage page);
    void Repaint(const PixelRect& area);
    HWND Frame() const;

    InstallModel& m_model;
    fw::Bitmap m_backdropPicture;
    fw::Bitmap m_pagePicture;
    ProgressPainter m_painter;
    PageChoices m_choices;
    PixelRect m_barRect;

    Win32VersionServices m_versions;
    Win32SetupPlatform m_platform;
    Win32SetupMessages m_messages;
    DdeProgmanChannel m_progman;
    std::unique_ptr<InstallEngine> m_engine;
};
