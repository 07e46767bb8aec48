// Patterns whose backtracking explodes must still end quickly on long lines,
// with the very match the backtracking order defines.
#include "editor/base/testing/recording_message_sink.h"
#include "editor/search/pattern_compiler.h"
#include "editor/search/pattern_matcher.h"
#include "editor/search/pattern_search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

constexpr std::size_t kLineLength = 10000;

struct HardCase {
    std::string pattern;
    std::string line;
    long start;
    long end;
};

void ExpectFastAndExact(const HardCase& c, bool ignoreCase = false)
{
    SCOPED_TRACE(testing::Message() << "pattern \"" << c.pattern << "\"");
    RecordingMessageSink sink;
    auto began = std::chrono::steady_clock::now();
    LineSearchResult result = SearchLine(c.pattern, c.line, ignoreCase, sink);
    auto took = std::chrono::steady_clock::now() - began;

    EXPECT_EQ(result.offset, c.start);
    EXPECT_EQ(result.length, c.start < 0 ? -1 : c.end - c.start);
    // Milliseconds in a release build; the limit leaves room for sanitizers
    // and a busy machine, and is still far below an exponential walk.
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(took).count(), 500);

    // The table method alone agrees.
    std::optional<CompiledPattern> list = CompilePattern(c.pattern);
    ASSERT_TRUE(list);
    if (!ignoreCase) {
        std::optional<MatchSpan> byTable = PatternMatcher(*list, false).FindByTable(c.line);
        EXPECT_EQ(byTable ? long(byTable->start) : -1, c.start);
        EXPECT_EQ(byTable ? long(byTable->end) : -1, c.end);
    }
}

std::string Repeat(std::string_view piece, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

} // namespace

TEST(BacktrackingLimit, NestedRepetitionsOnLongLines)
{
    const std::string as(kLineLength, 'a');
    const std::string a8 = Repeat("a*", 8);
    const HardCase cases[] = {
        // No start before the 'b' can match, and every one of them tries
        // every way of sharing the a's among the repetitions.
        {a8 + "b", as + "cb", long(kLineLength) + 1, long(kLineLength) + 1},
        {a8 + "b", as + "b", 0, long(kLineLength)},
        {Repeat("a*", 10) + "$", as + "b", -1, -1},
        {Repeat("a*", 10) + "$", as + "b\n", long(kLineLength) + 1, long(kLineLength) + 1},
        // The match is at the very first position, behind empty repetitions.
        {Repeat(".*", 6) + "x", "x" + as, 0, 0},
        {Repeat(".*", 6) + "x.", as + "x", -1, -1},
        {Repeat("[ab]*", 8) + "c", Repeat("ab", kLineLength / 2) + "dc", long(kLineLength) + 1,
         long(kLineLength) + 1},
        {"a.*b.", as + "b", -1, -1},
        {"x*$", std::string(kLineLength, 'x') + "y", -1, -1},
        {".*.*=.*;", Repeat("a=", kLineLength / 2), -1, -1},
        {"^" + Repeat("a*", 8) + "c", as, -1, -1},
        {Repeat("a+", 8) + "b", as + "cb", -1, -1},
    };
    for (const HardCase& c : cases)
        ExpectFastAndExact(c);
}

TEST(BacktrackingLimit, IgnoringCase)
{
    const std::string as(kLineLength, 'A');
    ExpectFastAndExact(
        {Repeat("a*", 8) + "b", as + "cB", long(kLineLength) + 1, long(kLineLength) + 1}, true);
}
