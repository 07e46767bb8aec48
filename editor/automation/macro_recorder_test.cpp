// The recorder without a platform: states, counts, the buffer and the bytes
// of a macro file.
#include "editor/automation/macro_recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/doc/heap_text_block.h"

namespace {

// Input that says what the recorder asked of it and can refuse.
class FakeInput : public MacroInput {
public:
    bool StartCapture() override
    {
        log += "capture ";
        capturing = captureWorks;
        return captureWorks;
    }
    void StopCapture() override
    {
        log += "uncapture ";
        capturing = false;
    }
    bool StartReplay() override
    {
        log += "replay ";
        return true;
    }
    void StopReplay() override { log += "unreplay "; }

    std::string log;
    bool captureWorks = true;
    bool capturing = false;
};

class Blocks : public TextBlockFactory {
public:
    std::unique_ptr<TextBlock> Allocate(std::size_t size) override
    {
        ++allocations;
        lastSize = size;
        return fail ? nullptr : HeapTextBlock::Create(size);
    }
    bool fail = false;
    int allocations = 0;
    std::size_t lastSize = 0;
};

MacroEvent Key(std::uint32_t message, std::uint32_t vk, std::uint32_t time = 0)
{
    return {message, vk | (0x1Eu << 8), 1, time, 0x1234};
}

class MacroRecorderTest : public ::testing::Test {
protected:
    void RecordKeys(int n)
    {
        for (int i = 0; i < n; ++i)
            recorder.Record(Key(kMacroKeyDown, 'A', static_cast<std::uint32_t>(i)));
    }
    // Plays to the end the way the platform's player does.
    std::vector<MacroEvent> PlayAll()
    {
        std::vector<MacroEvent> played;
        while (auto event = recorder.CurrentEvent()) {
            played.push_back(*event);
            recorder.Skip();
        }
        return played;
    }

    FakeInput input;
    Blocks blocks;
    MacroRecorder recorder{blocks, input};
};

TEST_F(MacroRecorderTest, StatesFollowToggleAndPlay)
{
    struct Step {
        const char* action; // t toggle, p play, k key, s skip, z pause, r resume
        MacroState after;
        bool result;
    };
    const Step steps[] = {
        {"p", MacroState::Idle, false},      // nothing recorded yet
        {"t", MacroState::Recording, true},  //
        {"kk", MacroState::Recording, true}, //
        {"t", MacroState::Idle, true},       // one key left
        {"p", MacroState::Playing, true},    //
        {"p", MacroState::Playing, false},   // ignored while playing
        {"t", MacroState::Playing, false},   // no recording while playing
        {"z", MacroState::Paused, true},     //
        {"p", MacroState::Paused, false},    //
        {"s", MacroState::Paused, true},     // nothing used while paused
        {"r", MacroState::Playing, true},    //
        {"s", MacroState::Idle, true},       // the one event used: done
        {"t", MacroState::Recording, true},  //
        {"kkk", MacroState::Recording, true},
        {"p", MacroState::Idle, false}, // play ends the recording instead
    };
    for (const Step& step : steps) {
        bool result = true;
        for (const char* a = step.action; *a; ++a) {
            switch (*a) {
            case 't':
                result = recorder.ToggleRecording();
                break;
            case 'p':
                result = recorder.Play();
                break;
            case 'k':
                recorder.Record(Key(kMacroKeyDown, 'A'));
                break;
            case 's':
                recorder.Skip();
                break;
            case 'z':
                recorder.Pause();
                break;
            case 'r':
                recorder.Resume();
                break;
            }
        }
        EXPECT_EQ(recorder.State(), step.after) << step.action;
        EXPECT_EQ(result, step.result) << step.action;
    }
    EXPECT_EQ(recorder.Count(), 2); // the third key was the stopping key
    EXPECT_EQ(input.log, "capture uncapture replay unreplay capture uncapture ");
}

TEST_F(MacroRecorderTest, CountsKeepTheFirst1023AndDropTheStoppingKey)
{
    struct Case {
        int recorded;
        int kept;
    };
    const Case cases[] = {{0, 0}, {1, 0}, {2, 1}, {1023, 1022}, {1024, 1022}, {5000, 1022}};
    for (const Case& c : cases) {
        recorder.ToggleRecording();
        RecordKeys(c.recorded);
        EXPECT_EQ(recorder.Count(), std::min(c.recorded, kMacroRecordLimit)) << c.recorded;
        recorder.ToggleRecording();
        EXPECT_EQ(recorder.Count(), c.kept) << c.recorded;
    }
    // The first 1023 are the ones kept, in order.
    recorder.ToggleRecording();
    RecordKeys(1500);
    EXPECT_EQ(recorder.EventAt(1022).time, 1022u);
    EXPECT_EQ(blocks.allocations, 1); // one buffer for every recording
    EXPECT_EQ(blocks.lastSize, kMacroBufferBytes);
}

TEST_F(MacroRecorderTest, MouseMovesAndButtonsAreNotRecorded)
{
    recorder.ToggleRecording();
    const std::uint32_t messages[] = {0x1FF, 0x200, 0x201, 0x202, 0x203, 0x204, 0x205,
                                      0x206, 0x207, 0x100, 0x101, 0x104, 0x105};
    for (std::uint32_t m : messages)
        recorder.Record({m, 0, 0, 0, 0});
    ASSERT_EQ(recorder.Count(), 6);
    const std::uint32_t kept[] = {0x1FF, 0x207, 0x100, 0x101, 0x104, 0x105};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(recorder.EventAt(i).message, kept[i]);
}

TEST_F(MacroRecorderTest, NothingIsRecordedUnlessRecording)
{
    recorder.Record(Key(kMacroKeyDown, 'A'));
    EXPECT_FALSE(recorder.HasBuffer());
    recorder.ToggleRecording();
    recorder.Record(Key(kMacroKeyDown, 'A'));
    recorder.Record(Key(kMacroKeyUp, 'A'));
    recorder.ToggleRecording();
    ASSERT_TRUE(recorder.Play());
    recorder.Record(Key(kMacroKeyDown, 'B')); // the replay itself
    EXPECT_EQ(PlayAll().size(), 1u);
    EXPECT_EQ(recorder.Count(), 1);
}

TEST_F(MacroRecorderTest, PlayDeliversEachEventOnceInOrder)
{
    recorder.ToggleRecording();
    recorder.Record(Key(kMacroKeyDown, 'X', 7));
    recorder.Record(Key(kMacroKeyUp, 'X', 8));
    recorder.Record(Key(kMacroKeyDown, 0x7A, 9));
    recorder.ToggleRecording();
    ASSERT_TRUE(recorder.Play());
    const std::vector<MacroEvent> played = PlayAll();
    ASSERT_EQ(played.size(), 2u);
    EXPECT_EQ(played[0], Key(kMacroKeyDown, 'X', 7));
    EXPECT_EQ(played[1], Key(kMacroKeyUp, 'X', 8));
    EXPECT_FALSE(recorder.CurrentEvent());
    // And again: a macro plays any number of times.
    ASSERT_TRUE(recorder.Play());
    EXPECT_EQ(PlayAll().size(), 2u);
}

TEST_F(MacroRecorderTest, MissingInputOrBufferFailsTheToggle)
{
    input.captureWorks = false;
    EXPECT_FALSE(recorder.ToggleRecording());
    EXPECT_EQ(recorder.State(), MacroState::Recording);
    EXPECT_TRUE(recorder.ToggleRecording());
    EXPECT_EQ(recorder.State(), MacroState::Idle);
    EXPECT_EQ(input.log, "capture "); // no input to give back

    input.captureWorks = true;
    blocks.fail = true;
    MacroRecorder starved(blocks, input);
    EXPECT_FALSE(starved.ToggleRecording());
    starved.Record(Key(kMacroKeyDown, 'A'));
    starved.ToggleRecording();
    EXPECT_EQ(starved.Count(), 0);
    EXPECT_FALSE(starved.Play());
    EXPECT_FALSE(starved.Load(std::vector<unsigned char>(40)));
}

TEST_F(MacroRecorderTest, FileBytesAreTheRecordsLittleEndian)
{
    recorder.ToggleRecording();
    recorder.Record({0x100, 0x1E41, 0x8001, 0x01020304, 0xA0B0C0D0});
    recorder.Record({0x101, 0x1E41, 0x0001, 0x01020305, 0xA0B0C0D0});
    recorder.ToggleRecording();
    // One record: the second was the stopping key.  Field by field:
    const std::vector<unsigned char> expected{
        0x00, 0x01, 0x00, 0x00, // message
        0x41, 0x1E, 0x00, 0x00, // paramL
        0x01, 0x80, 0x00, 0x00, // paramH
        0x04, 0x03, 0x02, 0x01, // time
        0xD0, 0xC0, 0xB0, 0xA0, // window
    };
    const auto bytes = recorder.FileBytes();
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.end()), expected);
}

TEST_F(MacroRecorderTest, LoadTakesWholeRecordsOfTheFirst20480Bytes)
{
    struct Case {
        std::size_t size;
        int events;
    };
    const Case cases[] = {{0, 0}, {19, 0}, {20, 1}, {45, 2}, {20480, 1024}, {30000, 1024}};
    for (const Case& c : cases) {
        std::vector<unsigned char> file(c.size);
        for (std::size_t i = 0; i < file.size(); ++i)
            file[i] = static_cast<unsigned char>(i / kMacroEventBytes);
        ASSERT_TRUE(recorder.Load(file)) << c.size;
        EXPECT_EQ(recorder.Count(), c.events) << c.size;
        EXPECT_EQ(recorder.FileBytes().size(), static_cast<std::size_t>(c.events) * 20) << c.size;
        if (c.events > 0) {
            EXPECT_EQ(recorder.EventAt(c.events - 1).time,
                      0x01010101u * static_cast<unsigned char>(c.events - 1))
                << c.size;
        }
    }
    EXPECT_EQ(blocks.allocations, 1);
}

TEST_F(MacroRecorderTest, SavedMacroLoadsBackAndPlaysTheSame)
{
    recorder.ToggleRecording();
    for (std::uint32_t i = 0; i < 9; ++i)
        recorder.Record({i % 2 ? kMacroKeyUp : kMacroKeyDown, 'A' + i, i, 100 + i, 0xFFFFFFFFu});
    recorder.ToggleRecording();
    const auto saved = recorder.FileBytes();
    const std::vector<unsigned char> file(saved.begin(), saved.end());
    recorder.Play();
    const std::vector<MacroEvent> first = PlayAll();

    // A new recording replaces the macro; loading the file brings it back.
    recorder.ToggleRecording();
    RecordKeys(3);
    ASSERT_TRUE(recorder.Load(file));
    EXPECT_EQ(recorder.State(), MacroState::Recording); // loading does not end it
    recorder.ToggleRecording();
    EXPECT_EQ(recorder.Count(), 7); // 8 loaded, the stopping key discarded
    ASSERT_TRUE(recorder.Load(file));
    recorder.Play();
    EXPECT_EQ(PlayAll(), first);
}

TEST_F(MacroRecorderTest, LoadWhilePlayingCannotRunPastTheEnd)
{
    ASSERT_TRUE(recorder.Load(std::vector<unsigned char>(200)));
    ASSERT_TRUE(recorder.Play());
    for (int i = 0; i < 5; ++i)
        recorder.Skip();
    ASSERT_TRUE(recorder.Load(std::vector<unsigned char>(60)));
    EXPECT_FALSE(recorder.CurrentEvent());
    recorder.Skip();
    EXPECT_EQ(recorder.State(), MacroState::Idle);
}

TEST_F(MacroRecorderTest, ReleaseEndsRecordingAndFreesTheBuffer)
{
    recorder.ToggleRecording();
    RecordKeys(4);
    recorder.Release();
    EXPECT_EQ(recorder.State(), MacroState::Idle);
    EXPECT_FALSE(input.capturing);
    EXPECT_FALSE(recorder.HasBuffer());
    EXPECT_EQ(recorder.Count(), 0);
    EXPECT_TRUE(recorder.FileBytes().empty());
    EXPECT_FALSE(recorder.Play());
}

} // namespace
