// One section of the editor's profile whose keys are file extensions
// ([Help], [Outliner]), as the lookups and the association pages use it.
// The program reads the profile file; the tests hold the keys in memory.
#pragma once
#include <string>
#include <vector>

class ProfileSection {
public:
    virtual ~ProfileSection() = default;
    // The value under `key` (matched without regard to case), or "".
    virtual std::string Read(const std::string& key) = 0;
    // The key names, as the profile lists them (up to 2048 bytes of names).
    virtual std::vector<std::string> Keys() = 0;
    virtual void Delete(const std::string& key) = 0;
    virtual void Write(const std::string& key, const std::string& value) = 0;
};
