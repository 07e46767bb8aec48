#include "setup/script_fields.h"

#include <gtest/gtest.h>

namespace {

TEST(GetField, SplitsAtEveryCommaWithoutTrimming)
{
    struct Case {
        const char* line;
        int n;
        const char* expected;
    } const cases[] = {
        {"abc", 0, "abc"}, {"a,,c", 1, ""},         {"a,,c", 2, "c"}, {"a,b", 2, ""},
        {"a,b", 1, "b"},   {" a , b ", 1, " b "},   {"a,b,", 2, ""},  {"", 0, ""},
        {"a,b", -1, ""},   {"\"x,y\",z", 1, "y\""}, // no quoting: the comma splits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "line '" << c.line << "' field " << c.n);
        EXPECT_EQ(GetField(c.line, c.n), c.expected);
    }
}

TEST(GetFieldInt, ReadsLikeTheCLibrary)
{
    struct Case {
        const char* line;
        int n;
        std::int32_t expected;
    } const cases[] = {
        {"x, 12abc", 1, 12},
        {"x,abc", 1, 0},
        {"x", 1, 0},
        {"\t\n+7", 0, 7},
        {"-42", 0, -42},
        {"- 4", 0, 0},
        {"+-4", 0, 0},
        {"007", 0, 7},
        {"2147483647", 0, 2147483647},
        {"2147483648", 0, 2147483647},
        {"99999999999999999999", 0, 2147483647},
        {"-2147483648", 0, -2147483647 - 1},
        {"-99999999999999999999", 0, -2147483647 - 1},
        {"1 2", 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "line '" << c.line << "' field " << c.n);
        EXPECT_EQ(GetFieldInt(c.line, c.n), c.expected);
    }
}

} // namespace
