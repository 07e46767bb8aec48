#include "editor/integration/help_file.h"

#include <algorithm>
#include <bitset>
#include <fstream>
#include <optional>
#include <vector>

namespace {

std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::int16_t S16(const unsigned char* p) { return static_cast<std::int16_t>(U16(p)); }
std::uint32_t U32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool IsAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// A zero-terminated string that starts at `at` and ends, NUL included,
// before `end` and within `longest` characters; nothing when it does not.
std::optional<std::string_view> CString(std::span<const unsigned char> page, std::size_t at,
                                        std::size_t longest)
{
    if (at >= page.size())
        return std::nullopt;
    const std::size_t limit = std::min(page.size(), at + longest + 1);
    for (std::size_t i = at; i < limit; ++i)
        if (page[i] == 0)
            return std::string_view(reinterpret_cast<const char*>(page.data() + at), i - at);
    return std::nullopt;
}

// One B-tree of the file: where its pages start and how it is shaped.
struct Tree {
    std::uint64_t first = 0;
    std::int16_t root = 0;
    std::int16_t levels = 0;
};

class Reader {
public:
    explicit Reader(HelpFileBytes& bytes) : m_bytes(bytes) {}

    std::optional<Tree> ReadTree(std::uint64_t offset)
    {
        unsigned char header[kHelpTreeHeaderBytes];
        if (!m_bytes.ReadAt(offset, header))
            return std::nullopt;
        const unsigned char* tree = header + 9;
        return Tree{offset + kHelpTreeHeaderBytes, S16(tree + 26), S16(tree + 32)};
    }

    // Page `page` of a tree; false when it lies outside the file.
    bool ReadPage(const Tree& tree, std::int32_t page, std::size_t pageSize)
    {
        if (page < 0)
            return false;
        m_page.resize(pageSize);
        return m_bytes.ReadAt(tree.first + static_cast<std::uint64_t>(page) * pageSize, m_page);
    }

    // From `start`, down the leftmost children `descents` times.
    std::optional<std::int32_t> LeftmostLeaf(const Tree& tree, std::int32_t start, int descents,
                                             std::size_t pageSize)
    {
        std::int32_t page = start;
        for (int i = 0; i < descents; ++i) {
            if (!ReadPage(tree, page, pageSize))
                return std::nullopt;
            page = S16(m_page.data() + 4);
        }
        return page;
    }

    // Visits the leaves from `page` along the next-page chain, each page at
    // most once; `entries` parses one leaf and returns true to stop.
    template <typename Entries>
    bool WalkLeaves(const Tree& tree, std::int32_t page, std::size_t pageSize, Entries entries)
    {
        std::bitset<32768> seen;
        while (page >= 0 && !seen[static_cast<std::size_t>(page)]) {
            seen[static_cast<std::size_t>(page)] = true;
            if (!ReadPage(tree, page, pageSize))
                return false;
            const std::int16_t count = S16(m_page.data() + 2);
            if (entries(std::span<const unsigned char>(m_page), count))
                return true;
            page = S16(m_page.data() + 6);
        }
        return false;
    }

    // The offset of internal file `name`, from the directory's leaves.
    std::optional<std::uint32_t> FindInternalFile(const Tree& directory, std::string_view name,
                                                  bool& damaged)
    {
        auto leaf = LeftmostLeaf(directory, directory.root, directory.levels - 1,
                                 kHelpDirectoryPageSize);
        if (!leaf) {
            damaged = true;
            return std::nullopt;
        }
        std::optional<std::uint32_t> found;
        WalkLeaves(directory, *leaf, kHelpDirectoryPageSize,
                   [&](std::span<const unsigned char> page, int count) {
                       std::size_t at = 8;
                       for (int i = 0; i < count; ++i) {
                           auto entry = CString(page, at, kHelpMaxDirectoryName);
                           if (!entry || at + entry->size() + 5 > page.size()) {
                               damaged = true;
                               return true;
                           }
                           at += entry->size() + 1;
                           if (*entry == name) {
                               found = U32(page.data() + at);
                               return true;
                           }
                           at += 4;
                       }
                       return false;
                   });
        return found;
    }

    // Scans the title index for a title holding `word`; nothing when the
    // index is damaged.
    std::optional<bool> FindTitle(std::uint32_t offset, std::string_view word)
    {
        auto tree = ReadTree(offset);
        if (!tree)
            return std::nullopt;
        auto leaf = tree->levels <= 1
                        ? std::optional<std::int32_t>(0)
                        : LeftmostLeaf(*tree, tree->root, tree->levels - 1, kHelpTitlePageSize);
        if (!leaf)
            return std::nullopt;
        bool damaged = false;
        const bool found = WalkLeaves(
            *tree, *leaf, kHelpTitlePageSize, [&](std::span<const unsigned char> page, int count) {
                std::size_t at = 8;
                for (int i = 0; i < count; ++i) {
                    auto title = CString(page, at + 4, kHelpMaxTitle);
                    if (!title) {
                        damaged = true;
                        return true;
                    }
                    at += 4 + title->size() + 1;
                    if (!title->empty() && TitleHasWord(*title, word))
                        return true;
                }
                return false;
            });
        if (damaged)
            return std::nullopt;
        return found;
    }

    // The help file's title from |SYSTEM at `offset`; the last type-1
    // record wins.
    std::string SystemTitle(std::uint32_t offset)
    {
        unsigned char header[9 + 12];
        if (!m_bytes.ReadAt(offset, header))
            return {};
        const std::uint32_t used = U32(header + 4);
        const std::uint16_t minor = U16(header + 9 + 2);
        std::uint64_t at = offset + sizeof header;
        if (minor == 15) {
            std::vector<unsigned char> text(kHelpMaxMinorTitle + 1, 0);
            for (std::size_t n = text.size(); n > 0; --n)
                if (m_bytes.ReadAt(at, std::span(text).first(n)))
                    break;
            auto title = CString(text, 0, kHelpMaxMinorTitle);
            return title ? std::string(*title)
                         : std::string(reinterpret_cast<const char*>(text.data()),
                                       kHelpMaxMinorTitle);
        }
        std::string title;
        if (used < 13)
            return title;
        // The count of bytes consumed is kept to 16 bits; the running total
        // bounds the walk when it wraps.
        std::uint16_t consumed = 12;
        std::uint64_t total = 12;
        std::vector<unsigned char> data;
        while (consumed < used && total < used) {
            unsigned char record[4];
            if (!m_bytes.ReadAt(at, record))
                break;
            const std::uint16_t type = U16(record);
            const std::uint16_t size = U16(record + 2);
            if (type == 1) {
                data.assign(size, 0);
                if (!m_bytes.ReadAt(at + 4, data))
                    break;
                auto text = std::find(data.begin(), data.end(), 0);
                title.assign(data.begin(), text);
            }
            at += 4u + size;
            total += 4u + size;
            consumed = static_cast<std::uint16_t>(consumed + size + 4);
        }
        return title;
    }

private:
    HelpFileBytes& m_bytes;
    std::vector<unsigned char> m_page;
};

class StreamBytes : public HelpFileBytes {
public:
    explicit StreamBytes(std::ifstream& file) : m_file(file) {}
    bool ReadAt(std::uint64_t offset, std::span<unsigned char> out) override
    {
        m_file.clear();
        if (!m_file.seekg(static_cast<std::streamoff>(offset)))
            return false;
        m_file.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
        return m_file.gcount() == static_cast<std::streamsize>(out.size());
    }

private:
    std::ifstream& m_file;
};

} // namespace

bool HelpMemoryBytes::ReadAt(std::uint64_t offset, std::span<unsigned char> out)
{
    if (offset > m_bytes.size() || m_bytes.size() - offset < out.size())
        return false;
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
    return true;
}

bool TitleHasWord(std::string_view title, std::string_view word)
{
    if (word.empty())
        return false;
    // Every occurrence is tried: "reopen or open" still holds "open".
    for (std::size_t at = title.find(word); at != std::string_view::npos;
         at = title.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || !IsAlnum(title[at - 1])) && (end == title.size() || !IsAlnum(title[end])))
            return true;
    }
    return false;
}

HelpFileAnswer SearchHelpBytes(HelpFileBytes& bytes, std::string_view word)
{
    unsigned char header[16];
    if (!bytes.ReadAt(0, header) || U32(header) != kHelpFileMagic)
        return {HelpFileStatus::NotHelpFile, {}};
    Reader reader(bytes);
    auto directory = reader.ReadTree(U32(header + 4));
    if (!directory)
        return {HelpFileStatus::Damaged, {}};
    bool damaged = false;
    auto titles = reader.FindInternalFile(*directory, "|TTLBTREE", damaged);
    if (!titles)
        return {damaged ? HelpFileStatus::Damaged : HelpFileStatus::NoTitleIndex, {}};
    auto found = reader.FindTitle(*titles, word);
    if (!found)
        return {HelpFileStatus::Damaged, {}};
    if (!*found)
        return {HelpFileStatus::NotFound, {}};
    HelpFileAnswer answer{HelpFileStatus::Found, {}};
    bool systemDamaged = false;
    if (auto system = reader.FindInternalFile(*directory, "|SYSTEM", systemDamaged))
        answer.title = reader.SystemTitle(*system);
    return answer;
}

HelpFileAnswer SearchHelpFile(const std::string& path, std::string_view word)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {HelpFileStatus::CantOpen, {}};
    StreamBytes bytes(file);
    return SearchHelpBytes(bytes, word);
}
