// The installer's application object: reads "SETUP.INF" beside the program
// into the installation model, registers the single-document template of
// the backdrop and posts the first page; the framework's message loop runs
// the rest until the exit command.
#pragma once
#include <string>

#include "framework/application.h"
#include "setup/install_model.h"

class CSetupApp : public fw::Application {
public:
    CSetupApp();

    // Reads the script and shows the backdrop with the first page posted;
    // false when setup cannot start (reported).
    bool InitInstance() override;
    // 1 when setup could not start, else the loop's exit code.
    int ExitInstance() override;

    InstallModel& Model() { return m_model; }

protected:
    // The full path of the running program.
    virtual std::string ProgramPath() const;

private:
    InstallModel m_model;
    bool m_startFailed = false;
};
