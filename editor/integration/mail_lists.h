// What the editor hands to the mail system: the temporary copies' paths and
// the names the attachments are shown under, each joined by ";".
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr char kMailDelimiter = ';';
// Each list, its terminating NUL included, fits into this many bytes.
inline constexpr std::size_t kMailListBytes = 4096;

// The attachment name of a document: its file name, "Untitled" without a
// path; a ";" would split the list, so it becomes "_".
std::string MailDisplayName(std::string_view documentPath);

// The temporary copy of a document in `tempDirectory`: its display name, or
// when `taken` says that path is in use (a file of the same name, or another
// document of this send), "NAME-2.EXT", "NAME-3.EXT", ... so that documents
// named alike in different directories keep their own copies.
std::string UniqueMailCopyPath(std::string_view tempDirectory, std::string_view documentPath,
                               const std::function<bool(const std::string&)>& taken);

class MailLists {
public:
    // Adds one attachment; false (nothing added) when either list would no
    // longer fit.
    bool Add(const std::string& path, const std::string& name);

    // The lists without their last ";".
    std::string Paths() const { return Joined(m_paths); }
    std::string Names() const { return Joined(m_names); }
    const std::vector<std::string>& Files() const { return m_files; }
    bool Contains(const std::string& path) const;

private:
    static std::string Joined(const std::string& list);

    std::string m_paths;
    std::string m_names;
    std::vector<std::string> m_files;
};
