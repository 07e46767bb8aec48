#include "editor/doc/byte_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

// Random bytes dense in the searched byte, so every lane position and every
// alignment of the word-at-a-time loops is hit.
std::string RandomText(std::mt19937& rng, std::size_t n)
{
    std::uniform_int_distribution<int> pick(0, 3);
    std::string text(n, '\0');
    for (char& c : text) {
        int k = pick(rng);
        c = k == 0 ? '\n' : k == 1 ? static_cast<char>(0x8A) : k == 2 ? '\x0b' : '\t';
    }
    return text;
}

} // namespace

TEST(ByteScan, AgreesWithPlainLoopsAtEveryOffsetAndLength)
{
    std::mt19937 rng(7);
    std::string text = RandomText(rng, 700);
    for (std::size_t offset = 0; offset < 9; ++offset) {
        for (std::size_t n = 0; n + offset <= text.size(); n += 1 + n / 7) {
            const char* p = text.data() + offset;
            std::string_view view(p, n);
            for (char c : {'\n', static_cast<char>(0x8A), 'x'}) {
                SCOPED_TRACE(testing::Message() << "offset " << offset << " n " << n);
                EXPECT_EQ(byte_scan::Count(p, n, c),
                          static_cast<std::size_t>(std::count(view.begin(), view.end(), c)));
                std::size_t first = view.find(c);
                std::size_t last = view.rfind(c);
                EXPECT_EQ(byte_scan::FindFirst(p, n, c),
                          first == std::string_view::npos ? nullptr : p + first);
                EXPECT_EQ(byte_scan::FindLast(p, n, c),
                          last == std::string_view::npos ? nullptr : p + last);
                if (n >= 16) {
                    unsigned bits = 0;
                    for (unsigned i = 0; i < 16; ++i)
                        bits |= static_cast<unsigned>(p[i] == c) << i;
                    EXPECT_EQ(byte_scan::MatchBits16(p, c), bits);
                    EXPECT_EQ(byte_scan::MatchBits16Portable(p, c), bits);
                }
            }
        }
    }
}

TEST(ByteScan, CountsBeyondTheLaneLimitOfOneBlock)
{
    // Every byte a hit: the per-lane counters must be summed before they
    // overflow.
    std::string text(100000, '\n');
    EXPECT_EQ(byte_scan::Count(text.data(), text.size(), '\n'), text.size());
}
