// Whether a help file knows a keyword: its topic-title index is scanned for
// a title holding the word as a whole word.  The reader survives any bytes:
// every read is bounded by its page, page chains are followed once, and a
// damaged file simply does not know the word.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

inline constexpr std::uint32_t kHelpFileMagic = 0x35F3F;
inline constexpr std::size_t kHelpDirectoryPageSize = 1024;
inline constexpr std::size_t kHelpTitlePageSize = 2048;
// The internal file header (9) and the tree header (38) before a tree's pages.
inline constexpr std::size_t kHelpTreeHeaderBytes = 47;
inline constexpr std::size_t kHelpMaxDirectoryName = 63;
inline constexpr std::size_t kHelpMaxTitle = 254;
inline constexpr std::size_t kHelpMaxMinorTitle = 32;

enum class HelpFileStatus {
    Found,        // a title holds the word; the file's title was read
    NotFound,     // read to the end, no title holds it
    CantOpen,     // "can't open file"
    NoTitleIndex, // "Can't locate |TTLBTREE file"
    NotHelpFile,  // wrong magic: skipped without a message
    Damaged,      // the index is not readable: counts as not found
};

struct HelpFileAnswer {
    HelpFileStatus status = HelpFileStatus::NotFound;
    std::string title; // the help file's own title (|SYSTEM), when found
};

// Random access to a help file's bytes.
class HelpFileBytes {
public:
    virtual ~HelpFileBytes() = default;
    // Fills `out` from `offset`; false when the file ends before it is full.
    virtual bool ReadAt(std::uint64_t offset, std::span<unsigned char> out) = 0;
};

// A help file held in memory (tests, the fuzz target).
class HelpMemoryBytes : public HelpFileBytes {
public:
    explicit HelpMemoryBytes(std::span<const unsigned char> bytes) : m_bytes(bytes) {}
    bool ReadAt(std::uint64_t offset, std::span<unsigned char> out) override;

private:
    std::span<const unsigned char> m_bytes;
};

// True when `word` occurs in `title` with neither a letter nor a digit
// right before or right after it (bytes compared as they stand).
bool TitleHasWord(std::string_view title, std::string_view word);

HelpFileAnswer SearchHelpBytes(HelpFileBytes& bytes, std::string_view word);
// Opens `path` (binary) and searches it.
HelpFileAnswer SearchHelpFile(const std::string& path, std::string_view word);
