// The wizard pages: modal dialogs with the product picture, "< Back",
// "Next >" and "Cancel".  Each page reports how it ended; the view decides
// what comes next.
#pragma once
#include <windows.h>

#include <string>

#include "framework/dialog.h"
#include "setup/install_model.h"
#include "setup/wizard_flow.h"

// How a page's dialog result reads: "< Back" ends a page with 1005.
PageResult PageResultOf(INT_PTR dialogResult);

class CSetupPage : public fw::Dialog {
public:
    CSetupPage(UINT templateId, HWND owner, HBITMAP picture);
    // Runs the page modally.
    PageResult Run();

protected:
    // Puts the focus on "Next >", so that Enter always goes on.
    BOOL OnInitDialog() override;
    INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void PaintPicture();

    HBITMAP m_picture; // owned by the view
};

class CWelcomePage : public CSetupPage {
public:
    CWelcomePage(HWND owner, HBITMAP picture, const InstallModel& model);

protected:
    BOOL OnInitDialog() override;

private:
    const InstallModel& m_model;
};

class CDestinationPage : public CSetupPage {
public:
    CDestinationPage(HWND owner, HBITMAP picture, InstallModel& model);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void OnChange();

    InstallModel& m_model;
};

class CSetupTypePage : public CSetupPage {
public:
    CSetupTypePage(HWND owner, HBITMAP picture, const InstallModel& model);
    SetupKind Kind() const { return m_kind; }

protected:
    void DoDataExchange(fw::DataExchange& dx) override;

private:
    const InstallModel& m_model;
    SetupKind m_kind = SetupKind::Typical;
};

class CComponentsPage : public CSetupPage {
public:
    CComponentsPage(HWND owner, HBITMAP picture, const InstallModel& model);
    const ComponentChoice& Checked() const { return m_checked; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;

private:
    const InstallModel& m_model;
    // Every box is checked whenever the page opens.
    ComponentChoice m_checked{true, true, true, true, true, true, true, true, true};
};

// "Destination Directory": the edited text is taken as it stands.
class CChangeDirDialog : public fw::Dialog {
public:
    CChangeDirDialog(HWND owner, std::string directory);
    const std::string& Directory() const { return m_directory; }

protected:
    void DoDataExchange(fw::DataExchange& dx) override;

private:
    std::string m_directory;
};
