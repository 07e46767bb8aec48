#include "framework/testing/file_printer.h"

#include <windows.h>
#include <winspool.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "framework/testing/test_folder.h"

namespace fw::test {

namespace {

constexpr char kDriverName[] = "Wine PostScript Driver";
constexpr char kPpdName[] = "generic.ppd";

std::string ReadBinary(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The generic PPD the platform's PostScript driver carries in winspool.
bool CopyGenericPpd(std::string* error)
{
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    const std::string spool = ReadBinary(std::string(system) + "\\winspool.drv");
    const std::size_t start = spool.find("*PPD-Adobe");
    if (start == std::string::npos) {
        if (error)
            *error = "no PPD in winspool.drv";
        return false;
    }
    const std::size_t end = spool.find('\0', start);
    char directory[MAX_PATH] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory),
                                    sizeof directory, &needed)) {
        if (error)
            *error = "no printer driver directory";
        return false;
    }
    CreateDirectoryA(directory, nullptr);
    std::ofstream out(std::string(directory) + "\\" + kPpdName, std::ios::binary);
    out << spool.substr(start, end - start);
    return static_cast<bool>(out);
}

// The Unix name of a Windows path: the port is named by it.
std::string UnixPath(const std::string& path)
{
    using Convert = char*(CDECL*)(LPCWSTR);
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    if (!convert)
        return path;
    char* unix = convert(wide);
    if (!unix)
        return path;
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Runs a host program (the platform starts Unix executables too) and waits
// for it; its output goes to files named on its command line.
bool RunHost(const std::string& commandLine)
{
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return false;
    const bool ended = WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ended;
}

// The platform does not wait for a host program's end: wait for its output
// file to appear and stop growing.
void WaitForOutput(const std::string& path)
{
    long long last = -1;
    for (int i = 0; i < 150; ++i) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
            const long long size =
                (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
            if (size > 0 && size == last)
                return;
            last = size;
        }
        Sleep(100);
    }
}

} // namespace

bool InstallFilePrinter(const std::string& name, const std::string& outputPath, std::string* error)
{
    if (!CopyGenericPpd(error))
        return false;
    DRIVER_INFO_3A driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(kDriverName);
    driver.pDriverPath = const_cast<char*>("wineps.drv");
    driver.pConfigFile = const_cast<char*>("wineps.drv");
    driver.pDataFile = const_cast<char*>(kPpdName);
    if (!AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&driver)) &&
        GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
        if (error)
            *error = "AddPrinterDriver failed: " + std::to_string(GetLastError());
        return false;
    }
    const std::string port = UnixPath(outputPath);
    HKEY ports = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE,
                        "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports", 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &ports, nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(ports, port.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
        RegCloseKey(ports);
    }
    PRINTER_INFO_2A printer{};
    printer.pPrinterName = const_cast<char*>(name.c_str());
    printer.pPortName = const_cast<char*>(port.c_str());
    printer.pDriverName = const_cast<char*>(kDriverName);
    printer.pPrintProcessor = const_cast<char*>("WinPrint");
    printer.pDatatype = const_cast<char*>("RAW");
    printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE added = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
    if (added) {
        ClosePrinter(added);
    } else if (GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
        if (error)
            *error = "AddPrinter failed: " + std::to_string(GetLastError());
        return false;
    }
    if (!SetDefaultPrinterA(name.c_str())) {
        if (error)
            *error = "SetDefaultPrinter failed";
        return false;
    }
    return true;
}

std::vector<std::string> PostScriptPageTexts(const std::string& psPath)
{
    // One run per page: the text device marks no page ends.
    std::vector<std::string> pages;
    const int count = PostScriptPageCount(ReadBinary(psPath));
    for (int page = 1; page <= count; ++page) {
        const std::string textPath = psPath + "." + std::to_string(page) + ".txt";
        DeleteFileA(textPath.c_str());
        RunHost("/usr/bin/gs -q -dNOPAUSE -dBATCH -sDEVICE=txtwrite -dFirstPage=" +
                std::to_string(page) + " -dLastPage=" + std::to_string(page) +
                " -sOutputFile=" + UnixPath(textPath) + " " + UnixPath(psPath));
        WaitForOutput(textPath);
        pages.push_back(ReadBinary(textPath));
        DeleteFileA(textPath.c_str());
    }
    return pages;
}

bool RenderPostScriptPage(const std::string& psPath, int page, const std::string& pngPath, int dpi)
{
    DeleteFileA(pngPath.c_str());
    RunHost("/usr/bin/gs -q -dNOPAUSE -dBATCH -sDEVICE=png16m -r" + std::to_string(dpi) +
            " -dFirstPage=" + std::to_string(page) + " -dLastPage=" + std::to_string(page) +
            " -sOutputFile=" + UnixPath(pngPath) + " " + UnixPath(psPath));
    WaitForOutput(pngPath);
    return FileExists(pngPath);
}

int PostScriptPageCount(const std::string& psText)
{
    int count = 0;
    for (std::size_t at = psText.find("%%Page:"); at != std::string::npos;
         at = psText.find("%%Page:", at + 1))
        ++count;
    return count;
}

} // namespace fw::test
