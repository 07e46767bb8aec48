#include "framework/recent_file_list.h"

#include <algorithm>

namespace fw {

namespace {

bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// "File%d" with the number in place of the "%d".
std::string EntryName(const std::string& format, int number)
{
    std::string name = format;
    if (size_t at = name.find("%d"); at != std::string::npos)
        name.replace(at, 2, std::to_string(number));
    return name;
}

} // namespace

RecentFileList::RecentFileList(UINT firstId, std::string section, std::string entryFormat, int size)
    : m_firstId(firstId), m_section(std::move(section)), m_entryFormat(std::move(entryFormat)),
      m_size(std::clamp(size, 1, 16))
{
}

void RecentFileList::Add(const std::string& path)
{
    if (path.empty())
        return;
    auto same = std::find_if(m_paths.begin(), m_paths.end(),
                             [&](const std::string& p) { return SamePath(p, path); });
    if (same != m_paths.end())
        m_paths.erase(same);
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > static_cast<size_t>(m_size))
        m_paths.resize(static_cast<size_t>(m_size));
}

void RecentFileList::Remove(int index)
{
    if (index >= 0 && index < GetCount())
        m_paths.erase(m_paths.begin() + index);
}

void RecentFileList::ReadList(const PrivateProfile& profile)
{
    m_paths.clear();
    for (int i = 1; i <= m_size; ++i) {
        std::string path =
            profile.GetString(m_section.c_str(), EntryName(m_entryFormat, i).c_str());
        if (!path.empty())
            m_paths.push_back(path);
    }
}

void RecentFileList::WriteList(const PrivateProfile& profile) const
{
    // Rewritten whole, so no stale entries of a longer old list stay behind.
    profile.DeleteSection(m_section.c_str());
    for (int i = 0; i < GetCount(); ++i)
        profile.WriteString(m_section.c_str(), EntryName(m_entryFormat, i + 1).c_str(),
                            m_paths[static_cast<size_t>(i)]);
}

std::string RecentFileList::MenuText(int index) const
{
    std::string text = "&" + std::to_string(index + 1) + " ";
    // A "&" of the path would underline the next letter.
    for (char c : m_paths.at(static_cast<size_t>(index))) {
        if (c == '&')
            text += '&';
        text += c;
    }
    return text;
}

void RecentFileList::UpdateMenu(CmdUI& ui)
{
    HMENU menu = ui.m_pMenu;
    if (!menu) {
        ui.Enable(GetCount() > 0);
        return;
    }
    if (m_placeholder.empty()) {
        char text[256] = {};
        GetMenuStringA(menu, ui.m_nIndex, text, sizeof text, MF_BYPOSITION);
        m_placeholder = text[0] ? text : "Recent File";
    }
    for (int i = 0; i < m_size; ++i)
        DeleteMenu(menu, m_firstId + static_cast<UINT>(i), MF_BYCOMMAND);

    if (m_paths.empty()) {
        InsertMenuA(menu, ui.m_nIndex, MF_BYPOSITION | MF_STRING | MF_GRAYED, m_firstId,
                    m_placeholder.c_str());
    } else {
        for (int i = 0; i < GetCount(); ++i)
            InsertMenuA(menu, ui.m_nIndex + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                        m_firstId + static_cast<UINT>(i), MenuText(i).c_str());
        ui.m_nIndex += static_cast<UINT>(GetCount() - 1);
    }
    ui.m_nIndexMax = static_cast<UINT>(GetMenuItemCount(menu));
    ui.m_bEnableChanged = true;
}

} // namespace fw
