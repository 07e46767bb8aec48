// The installer's application object: reads "SETUP.INF" beside the program
// into the installation model, makes the backdrop and starts the wizard.
// It runs its own message loop until the exit command ends the program.
#pragma once
#include <string>

#include "setup/install_model.h"
#include "setup/main_frame.h"
#include "setup/setup_doc.h"
#include "setup/setup_view.h"

class CSetupApp {
public:
    CSetupApp();
    CSetupApp(const CSetupApp&) = delete;
    CSetupApp& operator=(const CSetupApp&) = delete;

    // Reads the script and shows the backdrop with the first page posted;
    // false when no window can be made (no display).
    bool InitInstance();
    // The message loop; the program's exit code.
    int Run();

    InstallModel& Model() { return m_model; }
    CMainFrame& MainFrame() { return m_frame; }
    CSetupView& View() { return m_view; }

private:
    InstallModel m_model;
    CSetupDoc m_document;
    CSetupView m_view;
    CMainFrame m_frame;
};

// The full path of the running program.
std::string ProgramPath();
