// The recent-file list: the last opened paths, newest first, shown as File
// menu entries and kept in the private profile.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/command_target.h"
#include "framework/private_profile.h"

namespace fw {

class RecentFileList {
public:
    // Entries use the command ids firstId .. firstId + size - 1 and the
    // profile entries section/"File1".. ("File%d" as `entryFormat`).
    RecentFileList(UINT firstId, std::string section, std::string entryFormat, int size);

    int GetSize() const { return m_size; }
    int GetCount() const { return static_cast<int>(m_paths.size()); }
    const std::string& operator[](int index) const
    {
        return m_paths.at(static_cast<size_t>(index));
    }
    UINT GetFirstId() const { return m_firstId; }

    // Puts `path` at the top; an equal path (any case) moves up instead of
    // appearing twice; the oldest entry drops off a full list.
    void Add(const std::string& path);
    void Remove(int index);

    void ReadList(const PrivateProfile& profile);
    void WriteList(const PrivateProfile& profile) const;

    // Replaces the menu entries at the position of the item being updated
    // (the first entry or the placeholder) with the current list; a
    // placeholder, greyed, stands in for an empty list.
    void UpdateMenu(CmdUI& ui);

    // "&1 C:\dir\file.txt": the menu text of entry `index`.
    std::string MenuText(int index) const;

private:
    UINT m_firstId;
    std::string m_section;
    std::string m_entryFormat;
    int m_size;
    std::vector<std::string> m_paths;
    std::string m_placeholder;
};

} // namespace fw
