#include "editor/integration/testing/help_file_builder.h"

#include <algorithm>

namespace {

using Bytes = std::vector<unsigned char>;

void Add16(Bytes& out, int value)
{
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void Add32(Bytes& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void AddText(Bytes& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

// Internal file header and tree header.
void AddTreeHeader(Bytes& out, std::uint32_t used, int root, int levels, int pages, int entries,
                   int pageSize)
{
    Add32(out, used);
    Add32(out, used);
    out.push_back(0);
    Add16(out, 0x293B);
    Add16(out, 0x0402);
    Add16(out, pageSize);
    std::string structure = "z4";
    structure.resize(16, '\0');
    out.insert(out.end(), structure.begin(), structure.end());
    Add16(out, 0);
    Add16(out, 0);
    Add16(out, root);
    Add16(out, -1);
    Add16(out, pages);
    Add16(out, levels);
    Add32(out, static_cast<std::uint32_t>(entries));
}

// A tree whose leaves hold `leaves` (entry bytes and counts), with an index
// page 0 above them when `twoLevels`.
Bytes Tree(const std::vector<std::pair<Bytes, int>>& leaves, bool twoLevels, int pageSize)
{
    const int firstLeaf = twoLevels ? 1 : 0;
    const int pages = static_cast<int>(leaves.size()) + firstLeaf;
    int entries = 0;
    for (const auto& leaf : leaves)
        entries += leaf.second;
    Bytes out;
    AddTreeHeader(out, static_cast<std::uint32_t>(38 + pages * pageSize), 0, twoLevels ? 2 : 1,
                  pages, entries, pageSize);
    if (twoLevels) {
        Bytes page;
        Add16(page, 0);
        Add16(page, 0);
        Add16(page, firstLeaf);
        page.resize(static_cast<std::size_t>(pageSize), 0);
        out.insert(out.end(), page.begin(), page.end());
    }
    for (std::size_t i = 0; i < leaves.size(); ++i) {
        const int number = static_cast<int>(i) + firstLeaf;
        Bytes page;
        Add16(page, 0);
        Add16(page, leaves[i].second);
        Add16(page, i == 0 ? -1 : number - 1);
        Add16(page, i + 1 == leaves.size() ? -1 : number + 1);
        page.insert(page.end(), leaves[i].first.begin(), leaves[i].first.end());
        page.resize(static_cast<std::size_t>(pageSize), 0);
        out.insert(out.end(), page.begin(), page.end());
    }
    return out;
}

Bytes SystemFile(const HelpFileContents& contents)
{
    Bytes body;
    Add16(body, 0x036C);
    Add16(body, contents.systemMinor);
    Add16(body, 1);
    Add32(body, 0);
    Add16(body, 0);
    if (contents.systemMinor == 15) {
        AddText(body, contents.title);
    } else {
        Bytes text;
        AddText(text, contents.title);
        Add16(body, 1);
        Add16(body, static_cast<int>(text.size()));
        body.insert(body.end(), text.begin(), text.end());
    }
    Bytes out;
    Add32(out, static_cast<std::uint32_t>(body.size()));
    Add32(out, static_cast<std::uint32_t>(body.size()));
    out.push_back(0);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

} // namespace

void HelpFileImage::Put16(std::size_t at, int value)
{
    bytes.at(at) = static_cast<unsigned char>(value & 0xFF);
    bytes.at(at + 1) = static_cast<unsigned char>((value >> 8) & 0xFF);
}

void HelpFileImage::Put32(std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(at + static_cast<std::size_t>(i)) = static_cast<unsigned char>(value >> (8 * i));
}

HelpFileImage BuildHelpFile(const HelpFileContents& contents)
{
    HelpFileImage image;
    Bytes& out = image.bytes;
    out.resize(16, 0);

    image.systemFile = static_cast<std::uint32_t>(out.size());
    Bytes system = SystemFile(contents);
    out.insert(out.end(), system.begin(), system.end());

    image.titles = static_cast<std::uint32_t>(out.size());
    std::vector<std::pair<Bytes, int>> titleLeaves;
    const std::size_t perLeaf =
        contents.titlesPerLeaf ? contents.titlesPerLeaf : contents.topics.size() + 1;
    for (std::size_t i = 0; i < contents.topics.size() || titleLeaves.empty(); i += perLeaf) {
        std::pair<Bytes, int> leaf;
        for (std::size_t j = i; j < std::min(contents.topics.size(), i + perLeaf); ++j) {
            Add32(leaf.first, static_cast<std::uint32_t>(j * 0x100));
            AddText(leaf.first, contents.topics[j]);
            ++leaf.second;
        }
        titleLeaves.push_back(std::move(leaf));
    }
    Bytes titles = Tree(titleLeaves, contents.twoLevels, kHelpTitlePageSize);
    out.insert(out.end(), titles.begin(), titles.end());

    image.directory = static_cast<std::uint32_t>(out.size());
    // One entry per leaf, so that a lookup follows the page chain.
    std::vector<std::pair<Bytes, int>> directoryLeaves;
    auto entry = [&](const std::string& name, std::uint32_t offset) {
        std::pair<Bytes, int> leaf;
        AddText(leaf.first, name);
        Add32(leaf.first, offset);
        leaf.second = 1;
        directoryLeaves.push_back(std::move(leaf));
    };
    if (contents.system)
        entry("|SYSTEM", image.systemFile);
    if (contents.titleIndex)
        entry("|TTLBTREE", image.titles);
    if (directoryLeaves.empty())
        directoryLeaves.emplace_back();
    Bytes directory = Tree(directoryLeaves, contents.twoLevels, kHelpDirectoryPageSize);
    out.insert(out.end(), directory.begin(), directory.end());

    image.Put32(0, contents.magic);
    image.Put32(4, image.directory);
    image.Put32(8, 0xFFFFFFFF);
    image.Put32(12, static_cast<std::uint32_t>(out.size()));
    return image;
}
