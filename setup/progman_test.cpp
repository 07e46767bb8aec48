#include "setup/progman_client.h"

#include <gtest/gtest.h>

#include "setup/progman_commands.h"
#include "setup/setup_fakes.h"

namespace {

using namespace std::literals;
using Strings = std::vector<std::string>;

const VariableDirs kDirs{"C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "C:\\TOOLS"};

std::string AddFor(std::string_view entry)
{
    return AddItemCommand(ProgmanItemFor(entry, kDirs));
}

TEST(ProgmanCommands, GroupCommands)
{
    EXPECT_EQ(CreateGroupCommand("Trelvan"), "[CreateGroup(Trelvan)]");
    EXPECT_EQ(ShowGroupCommand("Trelvan"), "[ShowGroup(Trelvan,1)]");
    EXPECT_EQ(CreateGroupCommand(""), "[CreateGroup()]");
    EXPECT_EQ(ShowGroupCommand(""), "[ShowGroup(,1)]");
    // The name buffer holds 63 characters.
    const std::string longName(100, 'g');
    EXPECT_EQ(CreateGroupCommand(longName), "[CreateGroup(" + std::string(63, 'g') + ")]");
    EXPECT_EQ(ShowGroupCommand(longName), "[ShowGroup(" + std::string(63, 'g') + ",1)]");
}

TEST(ProgmanCommands, ItemCommands)
{
    struct Case {
        const char* entry;
        const char* add;
    } const cases[] = {
        {"$INSTDIR\\EDIT.EXE,Edit,$INSTDIR\\EDIT.EXE,1,$INSTDIR",
         "[AddItem(\"C:\\TOOLS\\EDIT.EXE\",\"Edit\",C:\\TOOLS\\EDIT.EXE,1,,,C:\\TOOLS)]"},
        {"A.EXE,A", "[AddItem(\"A.EXE\",\"A\",,0,,,)]"},
        {"A.EXE,A,,x,$WINDIR\\TEMP", "[AddItem(\"A.EXE\",\"A\",,0,,,C:\\WINDOWS\\TEMP)]"},
        {"A.EXE,A,, -3,$WINSYSTEM", "[AddItem(\"A.EXE\",\"A\",,-3,,,C:\\WINDOWS\\SYSTEM)]"},
        // $WINDIR is a directory-field name only; titles are never expanded.
        {"$WINDIR\\A.EXE,$INSTDIR", "[AddItem(\"$WINDIR\\A.EXE\",\"$INSTDIR\",,0,,,)]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(AddFor(c.entry), c.add);
    }
    EXPECT_EQ(ReplaceItemCommand(ProgmanItemFor("A.EXE,My Item", kDirs)),
              "[ReplaceItem(\"My Item\")]");
}

TEST(ProgmanCommands, ItemCommandsKeepTo254Characters)
{
    const std::string title(300, 't');
    const ProgmanItem item = ProgmanItemFor("A.EXE," + title, kDirs);
    EXPECT_EQ(ReplaceItemCommand(item), ("[ReplaceItem(\"" + title).substr(0, 254));
    EXPECT_EQ(AddItemCommand(item).size(), 254u);
}

class ProgmanClientTest : public testing::Test {
protected:
    EventList events;
    RecordingSetupMessages messages{events};
    FakeSetupPlatform platform{events};
    FakeProgmanChannel channel{events};
};

TEST_F(ProgmanClientTest, GroupIsCreatedThenShownInOneConversation)
{
    EXPECT_TRUE(CreateProgramGroup("Tools", channel, messages));
    ASSERT_EQ(channel.sent.size(), 2u);
    EXPECT_EQ(channel.sent[0].data, "[CreateGroup(Tools)]\0"sv);
    EXPECT_EQ(channel.sent[0].timeoutMs, 10000u);
    EXPECT_EQ(channel.sent[1].data, "[ShowGroup(Tools,1)]"); // no zero byte
    EXPECT_EQ(channel.sent[1].timeoutMs, 10000u);
    EXPECT_EQ(channel.opened, 1);
    EXPECT_EQ(channel.closed, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProgmanClientTest, FailedLibraryOrServiceName)
{
    channel.openResult = ProgmanOpen::NoLibrary;
    EXPECT_FALSE(CreateProgramGroup("G", channel, messages));
    EXPECT_FALSE(SendProgmanCommand("[X()]", channel));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "DDEML Initialization Failure");
    EXPECT_EQ(messages.shown[0].caption, "Error");
    EXPECT_TRUE(messages.shown[0].ownerless);
    EXPECT_EQ(channel.closed, 0);

    messages.shown.clear();
    channel.openResult = ProgmanOpen::NoServiceName;
    EXPECT_TRUE(CreateProgramGroup("G", channel, messages));
    EXPECT_TRUE(SendProgmanCommand("[X()]", channel));
    EXPECT_TRUE(channel.sent.empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(channel.closed, 2);
}

TEST_F(ProgmanClientTest, ItemCommandsGoEachInAConversationOfTheirOwn)
{
    InstallModel model;
    model.m_strInstallDir = "C:\\APP";
    model.m_strGroup = "";
    model.m_progmanItems = {"$INSTDIR\\A.EXE,A", "B.EXE,A"};
    CreateProgmanGroupAndItems(model, platform, channel, messages);

    Strings texts;
    for (const auto& sent : channel.sent) {
        texts.push_back(sent.data);
        const bool item =
            sent.data.starts_with("[ReplaceItem") || sent.data.starts_with("[AddItem");
        EXPECT_EQ(sent.timeoutMs, item ? 1000u : 10000u);
    }
    EXPECT_EQ(texts, (Strings{
                         "[CreateGroup()]\0"s,
                         "[ShowGroup(,1)]",
                         "[ReplaceItem(\"A\")]\0"s,
                         "[AddItem(\"C:\\APP\\A.EXE\",\"A\",,0,,,)]\0"s,
                         "[ReplaceItem(\"A\")]\0"s,
                         "[AddItem(\"B.EXE\",\"A\",,0,,,)]\0"s,
                     }));
    EXPECT_EQ(channel.opened, 5);
    EXPECT_EQ(channel.closed, 5);
}

TEST_F(ProgmanClientTest, SentCommandKeepsTo1039Characters)
{
    SendProgmanCommand(std::string(2000, 'c'), channel);
    ASSERT_EQ(channel.sent.size(), 1u);
    EXPECT_EQ(channel.sent[0].data, std::string(1039, 'c') + '\0');
}

} // namespace
