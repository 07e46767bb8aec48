// Read access to the installation script, a private profile file.  The
// program asks the platform's private-profile lookup; tests and the fuzz
// target use MemoryProfile.
#pragma once
#include <string>
#include <string_view>

class ProfileReader {
public:
    virtual ~ProfileReader() = default;
    // The value of key in section, as the platform's lookup returns it
    // (blanks and surrounding quotes removed); empty when the key is missing.
    virtual std::string ReadString(std::string_view section, std::string_view key) const = 0;
};
