#include "editor/app/shell_registration.h"

std::vector<RegistryDefault> ShellRegistrationTable(std::string_view exePath,
                                                    std::string_view serviceName)
{
    std::string exe(exePath.substr(0, kShellExePathSize - 1));
    std::string service(serviceName);
    const std::string print = exe + " /p %1";
    return {
        {"textfile", "Trelvan EDIT"},
        {"textfile\\shell\\open\\ddeexec", "open(%1)"},
        {"textfile\\shell\\open\\ddeexec\\application", service},
        {"textfile\\shell\\open\\command", exe + " %1"},
        {"textfile\\shell\\print\\ddeexec", "print(%1)"},
        {"textfile\\shell\\print\\ddeexec\\application", service},
        {"textfile\\shell\\print\\command", print},
        {"textfile\\shell\\printto\\command", print},
    };
}
