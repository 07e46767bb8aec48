// Writes small help files in the layout the keyword reader reads, so that
// the tests need no help files from elsewhere.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/integration/help_file.h"

struct HelpFileContents {
    std::string title = "Test Help";
    // 15 puts the title right after the |SYSTEM header; others use records.
    std::uint16_t systemMinor = 21;
    bool system = true;
    bool titleIndex = true;
    std::vector<std::string> topics;
    // Topic titles per leaf page (0: all in one leaf).
    std::size_t titlesPerLeaf = 0;
    // Both trees get an index page above their leaves.
    bool twoLevels = false;
    std::uint32_t magic = kHelpFileMagic;
};

struct HelpFileImage {
    std::vector<unsigned char> bytes;
    std::uint32_t directory = 0;  // offset of the internal directory
    std::uint32_t titles = 0;     // of |TTLBTREE
    std::uint32_t systemFile = 0; // of |SYSTEM
    // The first byte of a tree's page n.
    std::size_t DirectoryPage(int n) const
    {
        return directory + kHelpTreeHeaderBytes +
               static_cast<std::size_t>(n) * kHelpDirectoryPageSize;
    }
    std::size_t TitlePage(int n) const
    {
        return titles + kHelpTreeHeaderBytes + static_cast<std::size_t>(n) * kHelpTitlePageSize;
    }
    void Put16(std::size_t at, int value);
    void Put32(std::size_t at, std::uint32_t value);
};

HelpFileImage BuildHelpFile(const HelpFileContents& contents);
