// A mail library of the tests' own, loaded by name as the platform's would
// be: MAPISendDocuments appends what it was given, and the text of each file
// as it found it, to the file named by TV_TEST_MAIL_LOG.  Built without
// MAPIResolveName it is the incomplete library.
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "<missing>";
    std::ostringstream text;
    text << file.rdbuf();
    return Escaped(text.str());
}

} // namespace

extern "C" {

__declspec(dllexport) ULONG WINAPI
    MAPISendDocuments(ULONG_PTR owner, LPSTR delimiter, LPSTR paths, LPSTR names, ULONG reserved)
{
    char log[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("TV_TEST_MAIL_LOG", log, sizeof log))
        return 2; // MAPI_E_FAILURE
    std::ofstream out(log, std::ios::binary | std::ios::app);
    out << "owner=" << (IsWindow(reinterpret_cast<HWND>(owner)) ? "window" : "none")
        << " delimiter=" << delimiter << " reserved=" << reserved << "\n";
    out << "paths=" << paths << "\n";
    out << "names=" << names << "\n";
    std::string list = paths;
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t end = list.find(*delimiter, start);
        if (end == std::string::npos)
            end = list.size();
        out << "text=" << FileText(list.substr(start, end - start)) << "\n";
        start = end + 1;
    }
    return 1; // MAPI_USER_ABORT: the editor must not care
}

// Never called: they only have to be there.
__declspec(dllexport) ULONG WINAPI MAPILogon()
{
    return 0;
}
__declspec(dllexport) ULONG WINAPI MAPILogoff()
{
    return 0;
}
__declspec(dllexport) ULONG WINAPI MAPISendMail()
{
    return 0;
}
__declspec(dllexport) ULONG WINAPI MAPIFindNext()
{
    return 0;
}
__declspec(dllexport) ULONG WINAPI MAPIReadMail()
{
    return 0;
}
__declspec(dllexport) ULONG WINAPI MAPISaveMail()
{
    return 0;
}
__declspec(dllexport) ULONG WINAPI MAPIDeleteMail()
{
    return 0;
}
__declspec(dllexport) ULONG WINAPI MAPIFreeBuffer()
{
    return 0;
}
__declspec(dllexport) ULONG WINAPI MAPIAddress()
{
    return 0;
}
__declspec(dllexport) ULONG WINAPI MAPIDetails()
{
    return 0;
}
#ifndef TV_INCOMPLETE_MAIL_LIBRARY
__declspec(dllexport) ULONG WINAPI MAPIResolveName()
{
    return 0;
}
#endif
}
