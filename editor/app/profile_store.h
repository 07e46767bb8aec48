// The platform's private-profile services, as the settings code sees them.
// The program implements this over the Windows profile functions
// (profile_win32.h); tests use MemoryProfile (testing/profile_memory.h).
//
// Names match without regard to case. Values come back trimmed of blanks and
// of one pair of surrounding quotes, as the platform returns them.
#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    // The value of section/key, or defaultValue when the key is missing.
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) = 0;
    // Creates the file, the section and the key as needed.
    virtual bool WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    virtual bool DeleteKey(std::string_view section, std::string_view key) = 0;
    virtual bool DeleteSection(std::string_view section) = 0;

    // The key names of section, each NUL-terminated, the list ended by an
    // extra NUL. When the buffer is too small the last name is cut and still
    // followed by two NULs. Returns the characters stored, without the final
    // NUL (buffer size minus 2 when cut).
    virtual std::size_t ListKeys(std::string_view section, std::span<char> buffer) = 0;
};
