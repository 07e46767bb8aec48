#include "editor/view/colour_decision.h"
#include "editor/view/colour_scanner.h"
#include "editor/view/keyword_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The line with each run wrapped in a letter for its slot: t text, c C
// keyword, p C++ keyword, d directive, m comment; "c[int]t[ x;]".
std::string Render(std::string_view line, bool& inComment)
{
    std::vector<ColourRun> runs;
    ScanColouredLine(line, inComment, runs);
    static const char kLetters[] = "tcpdmM";
    std::string out;
    std::size_t next = 0;
    for (const ColourRun& r : runs) {
        EXPECT_EQ(r.begin, next) << "runs must cover the line in order";
        next = r.begin + r.length;
        out += kLetters[static_cast<int>(r.slot)];
        out += '[';
        out += line.substr(r.begin, r.length);
        out += ']';
    }
    EXPECT_EQ(next, line.size());
    return out;
}

struct LineCase {
    const char* line;
    bool inComment;
    const char* rendered;
    bool inCommentAfter;
};

TEST(ColourScanner, ColoursLines)
{
    const LineCase cases[] = {
        {"int i2char;", false, "c[int]t[ i2]c[char]t[;]", false},
        {"for_each(x);", false, "t[for_each(x);]", false},
        {"#include <a.h>", false, "d[#include]t[ <a.h>]", false},
        {"# include <a.h>", false, "t[# include <a.h>]", false},
        {"  class A : public B", false, "t[  ]p[class]t[ A : ]p[public]t[ B]", false},
        {"s = \"/* not */ // no\";", false, "t[s = \"/* not */ // no\";]", false},
        {"/* a // b */ int x;", false, "m[/* a // b */]t[ ]c[int]t[ x;]", false},
        {"x; // int", false, "t[x; ]m[// int]", false},
        {"a /* open", false, "t[a ]m[/* open]", true},
        {"  still int", true, "m[  still int]", true},
        {"end */ int", true, "m[end */]t[ ]c[int]", false},
        {"\"int\" int", false, "t[\"int\" ]c[int]", false},
        {"\"a\\\"int\" int", false, "t[\"a\\\"int\" ]c[int]", false},
        {"x /* a /* b */ y", false, "t[x ]m[/* a ]m[/* b */]t[ y]", false},
        {"/* c */ /* d", false, "m[/* c */]t[ ]m[/* d]", true},
        {"", true, "", true},
        {"while", false, "c[while]", false},
        {"While", false, "t[While]", false},
    };
    for (const LineCase& c : cases) {
        bool inComment = c.inComment;
        EXPECT_EQ(Render(c.line, inComment), c.rendered) << c.line;
        EXPECT_EQ(inComment, c.inCommentAfter) << c.line;
        EXPECT_EQ(CarryCommentState(c.line, c.inComment), c.inCommentAfter) << c.line;
    }
}

TEST(ColourScanner, CommentSpanningLinesColoursTheLinesBetween)
{
    const char* lines[] = {"int a; /* start", "int b;", "int c;", "end */ int d;"};
    bool inComment = false;
    EXPECT_EQ(Render(lines[0], inComment), "c[int]t[ a; ]m[/* start]");
    EXPECT_EQ(Render(lines[1], inComment), "m[int b;]");
    EXPECT_EQ(Render(lines[2], inComment), "m[int c;]");
    EXPECT_EQ(Render(lines[3], inComment), "m[end */]t[ ]c[int]t[ d;]");
    EXPECT_FALSE(inComment);
}

TEST(KeywordTables, KeepTheirSizesAndSearchOrder)
{
    EXPECT_EQ(PreprocessorKeywords().size(), 12u);
    EXPECT_EQ(CKeywords().size(), 59u);
    EXPECT_EQ(CppKeywords().size(), 15u);
    EXPECT_EQ(PreprocessorKeywords().front(), "#define");
    EXPECT_EQ(CKeywords().back(), "while");
    EXPECT_EQ(CppKeywords().front(), "__multiple_inheritance");
    // Every entry is found in its own table's slot.
    for (auto word : PreprocessorKeywords())
        EXPECT_EQ(KeywordSlot(word), ColourSlot::Preprocessor) << word;
    for (auto word : CKeywords())
        EXPECT_EQ(KeywordSlot(word), ColourSlot::CKeyword) << word;
    for (auto word : CppKeywords())
        EXPECT_EQ(KeywordSlot(word), ColourSlot::CppKeyword) << word;
    EXPECT_EQ(KeywordSlot("#defined"), ColourSlot::Text);
    EXPECT_EQ(KeywordSlot("Class"), ColourSlot::Text);
}

TEST(ColourDecision, ByExtension)
{
    struct {
        const char* path;
        bool coloured;
    } const cases[] = {
        {"C:\\SRC\\MAIN.C", true},
        {"c:\\src\\main.cpp", true},
        {"x.H", true},
        {"x.hpp", true},
        {"MAIN.CXX", false},
        {"main.c.txt", false},
        {"Makefile", false},
        {"", false},
        {"dir.c\\file", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsColouredPath(c.path), c.coloured) << c.path;
    EXPECT_FALSE(DecideColouring(false, "main.c"));
    EXPECT_TRUE(DecideColouring(true, "main.c"));
}

} // namespace
