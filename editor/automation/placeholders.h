// The placeholder engine shared by the tools and the printed header and
// footer: "$Name$" in a text is replaced by the value of Name.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Expanded command lines and headers never exceed this many bytes, the
// terminating zero included.
inline constexpr std::size_t kExpandCapacity = 4096;

// The (name, value) pairs of one expansion.  Names compare exactly, letter
// case included; setting a name again replaces its value.
class PlaceholderTable {
public:
    void Set(std::string_view name, std::string_view value);
    // Null when the name is not in the table.
    const std::string* Find(std::string_view name) const;
    void Clear() { m_entries.clear(); }

private:
    std::vector<std::pair<std::string, std::string>> m_entries;
};

// Replaces every "$Name$" of `text` with its value; an unknown name (also
// the empty one of "$$") is dropped.  There is no escape for a literal "$".
// Fails, leaving `text` as it was, on a "$" without its closing "$" or when
// the result and its terminating zero would not fit in `capacity` bytes.
bool ExpandPlaceholders(std::string& text, const PlaceholderTable& table,
                        std::size_t capacity = kExpandCapacity);

// `text` expanded, or `text` itself when the expansion fails.
std::string ExpandOrKeep(std::string_view text, const PlaceholderTable& table);

// The parts of a path the placeholders offer: after the last backslash,
// and up to and including it; nothing when there is no backslash.
bool HasBackslash(std::string_view path);
std::string_view NameAfterLastBackslash(std::string_view path);
std::string_view DirUpToLastBackslash(std::string_view path);
