// A profile section held in memory for the tests: keys keep their order
// and match without regard to case, as the profile file's do.
#pragma once
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "editor/integration/profile_section.h"

class MemoryProfileSection : public ProfileSection {
public:
    MemoryProfileSection() = default;
    MemoryProfileSection(std::initializer_list<std::pair<std::string, std::string>> keys)
        : m_keys(keys)
    {
    }

    std::string Read(const std::string& key) override
    {
        auto found = Find(key);
        return found == m_keys.end() ? std::string() : found->second;
    }
    std::vector<std::string> Keys() override
    {
        std::vector<std::string> names;
        for (const auto& entry : m_keys)
            names.push_back(entry.first);
        return names;
    }
    void Delete(const std::string& key) override
    {
        if (auto found = Find(key); found != m_keys.end())
            m_keys.erase(found);
    }
    void Write(const std::string& key, const std::string& value) override
    {
        if (auto found = Find(key); found != m_keys.end())
            found->second = value;
        else
            m_keys.emplace_back(key, value);
    }

    std::vector<std::pair<std::string, std::string>> m_keys;

private:
    static bool SameName(const std::string& a, const std::string& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
            return lower(x) == lower(y);
        });
    }
    std::vector<std::pair<std::string, std::string>>::iterator Find(const std::string& key)
    {
        return std::find_if(m_keys.begin(), m_keys.end(),
                            [&](const auto& entry) { return SameName(entry.first, key); });
    }
};
