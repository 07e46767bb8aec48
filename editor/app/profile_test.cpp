#include "editor/app/profile.h"
#include "editor/app/profile_file_name.h"
#include "editor/app/testing/profile_memory.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

TEST(ParseProfileInt, TakesTheLeadingDecimalNumber)
{
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"1069", 1069},
        {"-12", -12},
        {"+7", 7},
        {"  42", 42},
        {"12abc", 12},
        {"3 4", 3},
        {"0x1F", 0}, // decimal only
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-2147483649", -2147483647 - 1},
        {"123456789012345678901234567890", 2147483647},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"- 1", std::nullopt},
        {".5", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseProfileInt(c.text), c.value) << "text: \"" << c.text << '"';
}

TEST(Profile, WritesIntegersAsDecimalText)
{
    MemoryProfile store;
    Profile profile(store);
    for (std::int32_t value : {0, -12, 1069, 2147483647, -2147483647 - 1}) {
        profile.WriteInt("N", "v", value);
        EXPECT_EQ(profile.ReadString("N", "v"), std::to_string(value));
        EXPECT_EQ(profile.ReadInt("N", "v", 5), value);
    }
}

TEST(Profile, KeyListIsCutAt2048Bytes)
{
    MemoryProfile store;
    Profile profile(store);
    // 300 keys of 9 characters: 3000 bytes listed in full.
    for (int i = 0; i < 300; ++i)
        profile.WriteInt("Help", "ext" + std::to_string(100000 + i), i);

    ProfileKeyList list = profile.ListKeys("help");
    std::vector<std::string_view> names = list.Names();
    ASSERT_EQ(names.size(), 205u); // 204 whole names, then one cut
    EXPECT_EQ(names.front(), "ext100000");
    EXPECT_EQ(names[203], "ext100203");
    EXPECT_EQ(names[204], "ext100"); // 2040 bytes, then "ext100" and two NULs
    EXPECT_EQ(list.Data()[2046], '\0');
    EXPECT_EQ(list.Data()[2047], '\0');
}

TEST(Profile, DeletesThroughTheStore)
{
    MemoryProfile store("[Tools]\r\nTools1=a\r\nTools2=b\r\n[Outliner]\r\nc=OUT.DLL\r\n");
    Profile profile(store);
    EXPECT_TRUE(profile.DeleteKey("Tools", "Tools1"));
    EXPECT_EQ(profile.ReadString("Tools", "Tools1", "-"), "-");
    EXPECT_EQ(profile.ReadString("Tools", "Tools2", "-"), "b");
    EXPECT_TRUE(profile.DeleteSection("Outliner"));
    ProfileKeyList outliners = profile.ListKeys("Outliner");
    EXPECT_TRUE(outliners.Names().empty());
}

TEST(ProfileFileName, IsTheExecutablesBaseNameWithIni)
{
    EXPECT_EQ(ProfileFileName("C:\\TOOLS\\MARL.EXE"), "MARL.INI");
    EXPECT_EQ(ProfileFileName("c:\\Program Files\\Trelvan\\marl.exe"), "marl.INI");
    EXPECT_EQ(ProfileFileName("D:MARL.EXE"), "MARL.INI");
    EXPECT_EQ(ProfileFileName("\\\\server\\share\\v1.2\\marl"), "marl.INI");
    EXPECT_EQ(ProfileFileName("marl.exe"), "marl.INI");
}
