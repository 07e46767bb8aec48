// For tests: a ProfileStore over another one that logs every operation, so
// that the order of reads and writes can be checked. Several recorders (the
// private and the system profile) may share one log.
#pragma once
#include "editor/app/profile_store.h"

#include <string>
#include <vector>

class RecordingProfile : public ProfileStore {
public:
    RecordingProfile(ProfileStore& inner, std::vector<std::string>& log, std::string prefix = {})
        : m_inner(inner), m_log(log), m_prefix(std::move(prefix))
    {
    }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override
    {
        Log("read ", section, key);
        return m_inner.ReadString(section, key, defaultValue);
    }
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override
    {
        Log("write ", section, key);
        return m_inner.WriteString(section, key, value);
    }
    bool DeleteKey(std::string_view section, std::string_view key) override
    {
        Log("delete ", section, key);
        return m_inner.DeleteKey(section, key);
    }
    bool DeleteSection(std::string_view section) override
    {
        Log("delete ", section, "");
        return m_inner.DeleteSection(section);
    }
    std::size_t ListKeys(std::string_view section, std::span<char> buffer) override
    {
        Log("list ", section, "");
        return m_inner.ListKeys(section, buffer);
    }

private:
    void Log(std::string_view op, std::string_view section, std::string_view key)
    {
        std::string entry = m_prefix + std::string(op) + std::string(section);
        if (!key.empty())
            entry += "/" + std::string(key);
        m_log.push_back(std::move(entry));
    }

    ProfileStore& m_inner;
    std::vector<std::string>& m_log;
    std::string m_prefix;
};
