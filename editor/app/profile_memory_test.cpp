#include "editor/app/testing/profile_memory.h"
#include "editor/app/profile_store_contract.h"

#include <gtest/gtest.h>

namespace {

struct MemoryProfileFactory {
    static std::unique_ptr<ProfileStore> Open(std::string_view fileText)
    {
        return std::make_unique<MemoryProfile>(fileText);
    }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, ProfileStoreContract, MemoryProfileFactory);

TEST(MemoryProfile, ReadsUnixAndOldMacLineEndsAndDosEndOfFile)
{
    MemoryProfile profile("[A]\nx=1\ry=2\r\nz=3 \x1a\x1a");
    EXPECT_EQ(profile.ReadString("A", "x", ""), "1");
    EXPECT_EQ(profile.ReadString("A", "y", ""), "2");
    EXPECT_EQ(profile.ReadString("A", "z", ""), "3");
}

TEST(MemoryProfile, SkipsAUtf8ByteOrderMark)
{
    MemoryProfile profile("\xEF\xBB\xBF[Options]\r\nTabLength=4\r\n");
    EXPECT_EQ(profile.ReadString("Options", "TabLength", ""), "4");
}

TEST(MemoryProfile, KeysBeforeTheFirstSectionBelongToNone)
{
    MemoryProfile profile("TabLength=4\r\n[Options]\r\nCursor=1\r\n");
    EXPECT_EQ(profile.ReadString("Options", "TabLength", "-"), "-");
    EXPECT_EQ(profile.ReadString("", "TabLength", "-"), "-");
    EXPECT_EQ(profile.ReadString("Options", "Cursor", "-"), "1");
}

TEST(MemoryProfile, ValuesEndAtAnEmbeddedNulAsPlatformStringsDo)
{
    using namespace std::string_literals;
    MemoryProfile profile("[A]\r\nx=ab\0cd\r\nk\0junk=v\r\n"s);
    EXPECT_EQ(profile.ReadString("A", "x", ""), "ab");
    EXPECT_EQ(profile.ReadString("A", "k", ""), "v");
    profile.WriteString("A", "w", "12\0z"s);
    EXPECT_EQ(profile.ReadString("A", "w", ""), "12");
}

TEST(MemoryProfile, HighBytesPassThroughUnchanged)
{
    MemoryProfile profile("[\xC4nderung]\r\nK\xFC=\xE4\xF6\xFF\x01\r\n");
    EXPECT_EQ(profile.ReadString("\xC4nderung", "K\xFC", ""), "\xE4\xF6\xFF\x01");
}

TEST(MemoryProfile, TextReloadsToTheSameValues)
{
    MemoryProfile profile("[Options]\r\n; keep me\r\nTabLength = 4\r\n");
    profile.WriteString("Window", "Last Set", "C:\\A.SET");
    profile.WriteString("Options", "Fontname", "Courier New");
    MemoryProfile reloaded(profile.Text());
    EXPECT_EQ(reloaded.ReadString("options", "tablength", ""), "4");
    EXPECT_EQ(reloaded.ReadString("Window", "Last Set", ""), "C:\\A.SET");
    EXPECT_EQ(reloaded.ReadString("Options", "Fontname", ""), "Courier New");
    EXPECT_NE(reloaded.Text().find("; keep me"), std::string::npos);
}

TEST(MemoryProfile, DeletingTheFirstOfDuplicateSectionsUncoversTheNext)
{
    MemoryProfile profile("[A]\r\nx=1\r\n[A]\r\nx=2\r\n");
    EXPECT_TRUE(profile.DeleteSection("a"));
    EXPECT_EQ(profile.ReadString("A", "x", ""), "2");
    EXPECT_TRUE(profile.DeleteSection("A"));
    EXPECT_FALSE(profile.DeleteSection("A"));
}

TEST(MemoryProfile, KeyListIntoTinyBuffersStaysInside)
{
    MemoryProfile profile("[S]\r\nabc=1\r\n");
    char buffer[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(profile.ListKeys("S", std::span<char>(buffer, 0)), 0u);
    EXPECT_EQ(buffer[0], '#');
    EXPECT_EQ(profile.ListKeys("S", std::span<char>(buffer, 1)), 0u);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], '#');
    buffer[0] = '#';
    EXPECT_EQ(profile.ListKeys("S", std::span<char>(buffer, 2)), 0u);
    EXPECT_EQ(std::string(buffer, 3), std::string("\0##", 3));
    EXPECT_EQ(profile.ListKeys("S", std::span<char>(buffer, 3)), 1u);
    EXPECT_EQ(std::string(buffer, 4), std::string("a\0\0#", 4));
}
