#include "editor/integration/mail_lists.h"

#include <algorithm>
#include <cctype>

#include "editor/doc/file_names.h"

namespace {

// The number of tries before the plain name is used after all.
constexpr int kMaxCopyNumber = 999;

bool SamePathIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::toupper(x) == std::toupper(y);
    });
}

} // namespace

std::string MailDisplayName(std::string_view documentPath)
{
    std::string name = file_names::TabNameFor(documentPath);
    std::replace(name.begin(), name.end(), kMailDelimiter, '_');
    return name;
}

std::string UniqueMailCopyPath(std::string_view tempDirectory, std::string_view documentPath,
                               const std::function<bool(const std::string&)>& taken)
{
    const std::string name = MailDisplayName(documentPath);
    const std::string plain = file_names::MailCopyPath(tempDirectory, name);
    if (!taken(plain))
        return plain;
    const std::size_t nameStart = plain.size() - name.size();
    std::size_t dot = plain.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        dot = plain.size();
    for (int n = 2; n <= kMaxCopyNumber; ++n) {
        std::string candidate = plain.substr(0, dot) + "-" + std::to_string(n) + plain.substr(dot);
        if (!taken(candidate))
            return candidate;
    }
    return plain;
}

bool MailLists::Add(const std::string& path, const std::string& name)
{
    if (m_paths.size() + path.size() + 1 >= kMailListBytes ||
        m_names.size() + name.size() + 1 >= kMailListBytes)
        return false;
    m_paths += path + kMailDelimiter;
    m_names += name + kMailDelimiter;
    m_files.push_back(path);
    return true;
}

bool MailLists::Contains(const std::string& path) const
{
    return std::any_of(m_files.begin(), m_files.end(),
                       [&](const std::string& f) { return SamePathIgnoringCase(f, path); });
}

std::string MailLists::Joined(const std::string& list)
{
    return list.empty() ? list : list.substr(0, list.size() - 1);
}
