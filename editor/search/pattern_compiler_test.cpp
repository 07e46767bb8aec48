// The element list a pattern compiles to, and the patterns it refuses.
#include "editor/search/pattern_compiler.h"
#include "editor/base/testing/recording_message_sink.h"
#include "editor/search/pattern_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_view_literals;

namespace {

// The list as text: kinds by their codes, a literal after its 'L'.
std::string Shape(const CompiledPattern& list)
{
    std::string shape;
    for (const PatternElement* e = list.Head(); e; e = e->next.get()) {
        shape += static_cast<char>(e->kind);
        if (e->kind == PatternKind::Literal)
            shape += static_cast<char>(e->literal);
    }
    return shape;
}

std::string ShapeOf(std::string_view pattern)
{
    std::optional<CompiledPattern> list = CompilePattern(pattern);
    return list ? Shape(*list) : "invalid";
}

std::vector<const PatternElement*> Elements(const CompiledPattern& list)
{
    std::vector<const PatternElement*> elements;
    for (const PatternElement* e = list.Head(); e; e = e->next.get())
        elements.push_back(e);
    return elements;
}

} // namespace

TEST(CompilePattern, ElementKindsAndClosureLayout)
{
    struct Case {
        std::string_view pattern;
        std::string_view shape;
    } cases[] = {
        {"abc", "LaLbLc"},  {"ab*c", "La*LbLc"}, // the closure stands before its operand
        {"a+", "La*La"},                         // "a+" is "aa*"
        {"^a$", "^La$"},    {".", "."},
        {"[ab]", "["},      {"[^ab]", "!"},
        {"[ab]*x", "*[Lx"}, {"[^a]+", "!*!"},
        {".*", "*."},       {"\\052x", "L*Lx"}, // an escaped metacharacter is always a literal
        {"\\[\\]", "L[L]"}, {"\\$", "L$"},
        {"a\\", "LaL\\"},   {"\\0x41\\101\\n", "LALAL\n"},
        {"x*y*", "*Lx*Ly"}, {"^x*$", "^*Lx$"},
        {"]", "L]"},        {"a]*", "La*L]"},
        {"ab\nc", "LaLb"},  {"ab\0c"sv, "LaLb"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShapeOf(c.pattern), c.shape) << "pattern \"" << c.pattern << "\"";
}

TEST(CompilePattern, ClosureOperandIsFollowedByTheRest)
{
    std::optional<CompiledPattern> list = CompilePattern("ab*c");
    ASSERT_TRUE(list);
    std::vector<const PatternElement*> e = Elements(*list);
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[1]->kind, PatternKind::Closure);
    EXPECT_EQ(e[1]->next.get(), e[2]);
    EXPECT_EQ(e[2]->literal, 'b');
    EXPECT_EQ(e[2]->next.get(), e[3]);
    EXPECT_EQ(e[3]->next, nullptr);
}

TEST(CompilePattern, PlusCopiesTheClassIntoASetOfItsOwn)
{
    std::optional<CompiledPattern> list = CompilePattern("[a-c]+");
    ASSERT_TRUE(list);
    std::vector<const PatternElement*> e = Elements(*list);
    ASSERT_EQ(e.size(), 3u);
    ASSERT_TRUE(e[0]->set && e[2]->set);
    EXPECT_NE(e[0]->set.get(), e[2]->set.get());
    EXPECT_EQ(e[0]->set->bits, e[2]->set->bits);
    EXPECT_TRUE(e[2]->set->Contains('b'));
}

TEST(CompilePattern, ClassSetBitsAreSevenBitCodesLowBitFirst)
{
    struct Case {
        std::string_view pattern;
        std::vector<unsigned char> members;
    } cases[] = {
        {"[a-cx]", {'a', 'b', 'c', 'x'}},
        {"[z-x]", {'x', 'y', 'z'}},
        {"[-a]", {'-', 'a'}},
        {"[a-]", {'-', 'a'}},
        {"[a-c-e]", {'a', 'b', 'c', 'd', 'e'}},
        {"[]", {}},
        {"[^]", {}},
        {"[\x80\xc1]", {0x00, 0x41}},
        {"[\\0x7f\\377]", {0x7F}},
        {"[\\t\\n]", {'\t', '\n'}},
    };
    for (const Case& c : cases) {
        std::optional<CompiledPattern> list = CompilePattern(c.pattern);
        ASSERT_TRUE(list) << c.pattern;
        ClassSet expected;
        for (unsigned char m : c.members)
            expected.bits[m / 8] |= std::uint8_t(1u << (m % 8));
        EXPECT_EQ(list->Head()->set->bits, expected.bits) << c.pattern;
    }
}

TEST(CompilePattern, DelimiterEndsThePatternUnlessEscaped)
{
    std::optional<CompiledPattern> list = CompilePattern("ab/cd", '/');
    ASSERT_TRUE(list);
    EXPECT_EQ(Shape(*list), "LaLb");
    list = CompilePattern("a\\/b/", '/');
    ASSERT_TRUE(list);
    EXPECT_EQ(Shape(*list), "LaL/Lb");
    list = CompilePattern("a$/x", '/');
    ASSERT_TRUE(list);
    EXPECT_EQ(Shape(*list), "La$");
    EXPECT_FALSE(CompilePattern("/a", '/'));
}

TEST(CompilePattern, InvalidPatternsAreReportedOnce)
{
    const std::string_view invalid[] = {
        "",
        "*a",
        "+a",
        "a^",
        "a$b",
        "^*",
        "^+",
        "a**",
        "a+*",
        "a*+",
        "a++",
        "$$",
        "$a",
        "\n",
        "\0a"sv,
        "a$*",
        "^^",
        "x^*",
        // an unclosed class, and a hexadecimal escape with no digit
        "[abc",
        "[a-",
        "[",
        "[^",
        "[\\",
        "[a\\]",
        "a[]b[",
        "\\0x",
        "\\0xg",
        "[\\0x]",
    };
    for (std::string_view pattern : invalid) {
        SCOPED_TRACE(testing::Message() << "pattern \"" << pattern << "\"");
        EXPECT_FALSE(CompilePattern(pattern));

        RecordingMessageSink sink;
        PatternError = false;
        EXPECT_EQ(FindMatchStart(pattern, "abc*+$^", sink), std::nullopt);
        EXPECT_TRUE(PatternError);
        ASSERT_EQ(sink.shown.size(), 1u);
        EXPECT_EQ(sink.shown[0].text, "Invalid regular expression");
        EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(sink.shown[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(FindMatchEnd(pattern, "abc"), std::nullopt);
        EXPECT_EQ(sink.shown.size(), 1u) << "FindMatchEnd reports nothing";
    }
}

TEST(CompilePattern, LongPatternReleasesWithoutDeepRecursion)
{
    std::string pattern;
    for (int i = 0; i < 200000; ++i)
        pattern += "a*";
    std::optional<CompiledPattern> list = CompilePattern(pattern);
    ASSERT_TRUE(list);
    FreePattern(*list);
    EXPECT_TRUE(list->Empty());
    FreePattern(*list);
}
