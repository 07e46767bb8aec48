#include "editor/app/profile_win32.h"

#include "editor/app/profile_file_name.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace {

// The platform's functions take NUL-terminated strings.
std::string Terminated(std::string_view s)
{
    return std::string(s);
}

// Values are read into a buffer that grows until the whole value fits; the
// platform reports a cut value by filling the buffer.
constexpr std::size_t kFirstReadSize = 256;
constexpr std::size_t kLargestReadSize = std::size_t{1} << 20;

} // namespace

std::string Win32Profile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue)
{
    std::string sectionText = Terminated(section);
    std::string keyText = Terminated(key);
    std::string defaultText = Terminated(defaultValue);
    std::string buffer(kFirstReadSize, '\0');
    for (;;) {
        DWORD length = GetPrivateProfileStringA(
            sectionText.c_str(), keyText.c_str(), defaultText.c_str(), buffer.data(),
            static_cast<DWORD>(buffer.size()), m_fileName.c_str());
        if (length + 1 < buffer.size() || buffer.size() >= kLargestReadSize) {
            buffer.resize(length);
            return buffer;
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
}

bool Win32Profile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value)
{
    return WritePrivateProfileStringA(Terminated(section).c_str(), Terminated(key).c_str(),
                                      Terminated(value).c_str(), m_fileName.c_str()) != FALSE;
}

bool Win32Profile::DeleteKey(std::string_view section, std::string_view key)
{
    return WritePrivateProfileStringA(Terminated(section).c_str(), Terminated(key).c_str(), nullptr,
                                      m_fileName.c_str()) != FALSE;
}

bool Win32Profile::DeleteSection(std::string_view section)
{
    return WritePrivateProfileStringA(Terminated(section).c_str(), nullptr, nullptr,
                                      m_fileName.c_str()) != FALSE;
}

std::size_t Win32Profile::ListKeys(std::string_view section, std::span<char> buffer)
{
    if (buffer.empty())
        return 0;
    DWORD size =
        static_cast<DWORD>(std::min<std::size_t>(buffer.size(), std::numeric_limits<DWORD>::max()));
    DWORD length = GetPrivateProfileStringA(Terminated(section).c_str(), nullptr, "", buffer.data(),
                                            size, m_fileName.c_str());
    // A cut list is reported as size - 2; some implementations then end it
    // with one NUL only, so put the second one in.
    if (size >= 2 && length == size - 2)
        buffer[size - 1] = '\0';
    return length;
}

std::string ExecutableProfileName()
{
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return ProfileFileName(std::string_view(path, length < MAX_PATH ? length : MAX_PATH - 1));
}
