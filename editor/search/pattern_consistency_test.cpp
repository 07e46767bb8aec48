// A short run of the fuzz check on random patterns and texts over a small
// alphabet, so that matches, anchors and repetitions meet often.
#include "editor/search/pattern_consistency.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

std::string RandomString(std::mt19937& random, std::string_view alphabet, std::size_t maxLength)
{
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string out(length(random), ' ');
    for (char& c : out)
        c = alphabet[pick(random)];
    return out;
}

} // namespace

TEST(PatternConsistency, RandomPatternsAgreeWithTheReferenceWalk)
{
    using namespace std::string_view_literals;
    const std::string_view patternAlphabet = "abAB.*+[]^$-\\0x1n\n\xe1"sv;
    const std::string_view textAlphabet = "aabbAB-x\n\xe1\0"sv;
    std::mt19937 random(20240605);
    for (int i = 0; i < 15000; ++i) {
        std::string pattern = RandomString(random, patternAlphabet, 10);
        std::string text = RandomString(random, textAlphabet, 16);
        bool ignoreCase = i % 3 == 0;
        std::string problem = CheckPatternConsistency(pattern, text, ignoreCase);
        ASSERT_EQ(problem, "") << "pattern \"" << pattern << "\" text \"" << text
                               << "\" ignoreCase " << ignoreCase;
    }
}
