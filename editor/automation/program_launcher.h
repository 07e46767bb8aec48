// Starting another program by its command line, window shown normally, not
// waited for; whether it started is not reported.  The seam lets tests see
// what would start without leaving windows behind.
#pragma once
#include <string>

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual void Run(const std::string& commandLine) = 0;
};

// The platform's simple program launcher.
class Win32ProgramLauncher : public ProgramLauncher {
public:
    void Run(const std::string& commandLine) override;
};
