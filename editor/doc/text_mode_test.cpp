#include "editor/doc/text_mode.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// The text-mode rules, one byte at a time.
std::string ReferenceDecode(const std::string& file)
{
    std::string text;
    for (std::size_t i = 0; i < file.size() && file[i] != kCtrlZ; ++i) {
        if (file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n')
            continue;
        text += file[i];
    }
    return text;
}

// Decodes in place in pieces of the given sizes, as loading does.
std::string DecodeInPieces(std::string file, const std::vector<std::size_t>& pieces)
{
    TextModeDecoder decoder;
    std::size_t raw = 0;
    std::size_t out = 0;
    for (std::size_t piece : pieces) {
        if (raw >= file.size() || decoder.Ended())
            break;
        piece = std::min(piece, file.size() - raw);
        out += decoder.Decode(file.data() + raw, piece, file.data() + out);
        raw += piece;
    }
    if (raw == file.size() || decoder.Ended())
        out += decoder.Finish(file.data() + out);
    return file.substr(0, out);
}

std::string EncodeWith(std::string_view text, std::size_t staging)
{
    std::vector<char> buffer(staging);
    std::string file;
    EncodeCrLf(text, buffer, [&](const char* p, std::size_t n) {
        file.append(p, n);
        return true;
    });
    return file;
}

} // namespace

TEST(TextMode, DecodesLineEndsAndStopsAtCtrlZ)
{
    const struct {
        std::string file, text;
    } cases[] = {
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\nb\n", "a\nb\n"},
        {"a\rb", "a\rb"},       // a lone CR stays
        {"a\r\r\nb", "a\r\nb"}, // CR CR LF: the first CR is kept
        {"\r\n\r\n", "\n\n"},   // only line ends
        {"a\x1a"
         "b\r\n",
         "a"},                // Ctrl-Z ends the input
        {"a\r\x1a\n", "a\r"}, // CR before Ctrl-Z: nothing follows it
        {"x\r", "x\r"},       // CR at the end of the file
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeInPieces(c.file, {c.file.size() + 1}), c.text) << c.file;
        EXPECT_EQ(ReferenceDecode(c.file), c.text);
    }
}

TEST(TextMode, PiecesSplitAnywhereDecodeTheSame)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> byte(0, 5);
    const char alphabet[] = {'\r', '\n', 'a', '\r', kCtrlZ, 'b'};
    for (int round = 0; round < 300; ++round) {
        std::string file(rng() % 40, 'a');
        for (char& c : file)
            c = alphabet[byte(rng)];
        if (round % 3 == 0)
            std::replace(file.begin(), file.end(), kCtrlZ, 'z');
        std::vector<std::size_t> pieces;
        for (std::size_t total = 0; total <= file.size(); total += pieces.back())
            pieces.push_back(1 + rng() % 5);
        EXPECT_EQ(DecodeInPieces(file, pieces), ReferenceDecode(file)) << "round " << round;
    }
}

TEST(TextMode, EncodesEveryLineFeedAsCrLfAcrossPieceBoundaries)
{
    const std::string text = "ab\n\ncd\r\n\nlong line here\n";
    std::string expected;
    for (char c : text) {
        if (c == '\n')
            expected += '\r';
        expected += c;
    }
    for (std::size_t staging : {2, 3, 4, 5, 7, 64})
        EXPECT_EQ(EncodeWith(text, staging), expected) << "staging " << staging;
    EXPECT_EQ(EncodeWith("", 8), "");
}

TEST(TextMode, EncodingStopsWhenTheWriterFails)
{
    std::vector<char> buffer(4);
    int calls = 0;
    bool ok = EncodeCrLf("aaaaaaaaaaaa", buffer, [&](const char*, std::size_t) {
        ++calls;
        return false;
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(calls, 1);
}
