#include "setup/memory_profile.h"

#include <gtest/gtest.h>

namespace {

using namespace std::literals;

struct Lookup {
    const char* what;
    std::string_view text;
    const char* section;
    const char* key;
    const char* expected;
};

TEST(MemoryProfile, ReadsValuesByThePlatformRules)
{
    const Lookup cases[] = {
        {"names ignore case", "[Application]\nTitle=Edit\n", "APPLICATION", "title", "Edit"},
        {"blanks around the value go", "[A]\nk =  x y \t\n", "A", "k", "x y"},
        {"blanks around the key go", "[A]\n  k\t= v\n", "A", "k", "v"},
        {"double quotes go", "[A]\nk=\" padded \"\n", "A", "k", " padded "},
        {"single quotes go", "[A]\nk='v'\n", "A", "k", "v"},
        {"unmatched quotes stay", "[A]\nk=\"v'\n", "A", "k", "\"v'"},
        {"a lone quote stays", "[A]\nk=\"\n", "A", "k", "\""},
        {"only the first equals sign splits", "[A]\nk=a=b\n", "A", "k", "a=b"},
        {"missing key", "[A]\nk=v\n", "A", "other", ""},
        {"missing section", "[A]\nk=v\n", "B", "k", ""},
        {"key without equals sign", "[A]\nk\n", "A", "k", ""},
        {"first of duplicate keys", "[A]\nk=1\nk=2\n", "A", "k", "1"},
        {"first of duplicate sections", "[A]\nk=1\n[a]\nk=2\nnew=3\n", "A", "k", "1"},
        {"duplicate section adds nothing", "[A]\nk=1\n[a]\nnew=3\n", "A", "new", ""},
        {"CR LF line ends", "[A]\r\nk=v\r\nj=w\r\n", "A", "j", "w"},
        {"lone CR line ends", "[A]\rk=v\r", "A", "k", "v"},
        {"UTF-8 mark before the first section", "\xEF\xBB\xBF[A]\nk=v\n", "A", "k", "v"},
        {"text after the closing bracket", "[A] ; note\nk=v\n", "A", "k", "v"},
        {"indented section header", "   [A]\nk=v\n", "A", "k", "v"},
        {"bracket line without close is a key", "[A]\n[B\nk=v\n", "A", "k", "v"},
        {"entries before any section are unreachable", "k=v\n[A]\n", "", "k", ""},
        {"a zero byte ends the value", "[A]\nk=ab\0cd\n"sv, "A", "k", "ab"},
        {"Ctrl-Z at the end is a blank", "[A]\nk=v\x1a", "A", "k", "v"},
    };
    for (const Lookup& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(MemoryProfile(c.text).ReadString(c.section, c.key), c.expected);
    }
}

} // namespace
