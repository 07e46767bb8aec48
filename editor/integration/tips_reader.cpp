#include "editor/integration/tips_reader.h"

#include <algorithm>
#include <cctype>

std::string TipsFilePath(std::string_view helpFile)
{
    std::string path(helpFile);
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (const auto dot = path.find(".HLP"); dot != std::string::npos)
        path.resize(dot);
    return path + ".TIP";
}

TipLine TakeTipLine(std::string_view bytes)
{
    TipLine line;
    std::size_t chars = 0;
    std::size_t i = 0;
    bool ended = false;
    while (i < bytes.size() && chars < kTipLineChars && !ended) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            i += 2;
            ended = true;
        } else if (bytes[i] == '\n') {
            ++i;
            ended = true;
        } else {
            line.text += bytes[i++];
            ++chars;
        }
    }
    line.next = static_cast<std::int64_t>(i);
    // The line was a C string: a NUL ends the text, not the line.
    if (const auto nul = line.text.find('\0'); nul != std::string::npos)
        line.text.resize(nul);
    std::string shown;
    for (char c : line.text) {
        if (c == '|')
            shown += "\r\n";
        else
            shown += c;
    }
    line.text = std::move(shown);
    return line;
}

namespace {

// The bytes one line can take at most: each character may be the CR of a
// CR LF pair only at the end, so twice the characters is always enough.
constexpr std::size_t kTipReadBytes = 2 * (kTipLineChars + 1);

// The bytes at `offset`, empty when the offset lies outside the file.
std::string BytesAt(std::istream& file, std::int64_t offset)
{
    file.clear();
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (offset < 0 || size < 0 || offset >= size)
        return {};
    file.seekg(offset);
    std::string bytes(kTipReadBytes, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

} // namespace

TipLine ReadTipAt(std::istream& file, std::int64_t lastPos)
{
    std::int64_t start = lastPos;
    std::string bytes = BytesAt(file, start);
    if (bytes.empty()) {
        start = 0;
        bytes = BytesAt(file, start);
    }
    TipLine line = TakeTipLine(bytes);
    line.next += start;
    return line;
}
