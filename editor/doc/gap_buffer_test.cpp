#include "editor/doc/gap_buffer.h"

#include "editor/doc/doc_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

// The text, and every byte of the block that is not text is zero.
::testing::AssertionResult Holds(GapBuffer& buffer, const std::string& model)
{
    if (buffer.Text(0, buffer.Length()) != model)
        return ::testing::AssertionFailure() << "text differs from " << model.size() << " bytes";
    if (!buffer.HasBlock())
        return ::testing::AssertionSuccess();
    GapBuffer::Access access(buffer);
    const char* block = buffer.GapAt(buffer.GapPos()); // the gap stays where it is
    std::size_t gapEnd = std::size_t{buffer.GapPos()} + buffer.GapLength();
    std::size_t textEnd = std::size_t{buffer.Length()} + buffer.GapLength();
    for (std::size_t i = 0; i < buffer.BlockSize(); ++i) {
        bool free = (i >= buffer.GapPos() && i < gapEnd) || i >= textEnd;
        if (free && block[i] != 0)
            return ::testing::AssertionFailure() << "free byte " << i << " is not zero";
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(GapBuffer, RandomEditsKeepTheTextAndZeroFreeBytes)
{
    LimitedBlockFactory factory;
    GapBuffer buffer(factory);
    ASSERT_TRUE(buffer.Reset());
    std::string model;
    std::mt19937 rng(3);
    for (int step = 0; step < 2000; ++step) {
        TextPos pos = static_cast<TextPos>(rng() % (model.size() + 1));
        switch (rng() % 6) {
        case 0:
        case 1: {
            std::string bytes(rng() % 200, static_cast<char>('a' + step % 26));
            ASSERT_TRUE(buffer.Insert(pos, bytes.data(), static_cast<TextPos>(bytes.size())));
            model.insert(pos, bytes);
            break;
        }
        case 2: {
            TextPos n = static_cast<TextPos>(rng() % 300);
            buffer.Erase(pos, n);
            model.erase(pos, n);
            break;
        }
        case 3:
            if (pos < model.size()) {
                buffer.Set(pos, '#');
                model[pos] = '#';
            }
            break;
        case 4:
            ASSERT_TRUE(buffer.OpenGap(pos, static_cast<TextPos>(rng() % 2000)));
            break;
        default:
            buffer.CloseGap();
            EXPECT_EQ(buffer.GapLength(), 0u);
            break;
        }
        ASSERT_TRUE(Holds(buffer, model)) << "step " << step;
        ASSERT_GE(buffer.BlockSize(), GapBuffer::kMinBlockSize);
    }
}

TEST(GapBuffer, ScansAcrossTheGapAgreeWithTheText)
{
    LimitedBlockFactory factory;
    GapBuffer buffer(factory);
    buffer.Reset();
    const std::string text = "ab\ncd\n\nef\ngh";
    buffer.Insert(0, text.data(), static_cast<TextPos>(text.size()));
    for (TextPos gap = 0; gap <= text.size(); ++gap) {
        buffer.OpenGap(gap, 3);
        for (TextPos from = 0; from <= text.size(); ++from) {
            std::size_t next = text.find('\n', from);
            EXPECT_EQ(buffer.Find(from, static_cast<TextPos>(text.size()), '\n'),
                      next == std::string::npos ? text.size() : next);
            std::size_t before = from == 0 ? std::string::npos : text.rfind('\n', from - 1);
            EXPECT_EQ(buffer.FindBack(from, '\n'),
                      before == std::string::npos ? kNoPos : static_cast<TextPos>(before));
            EXPECT_EQ(buffer.Count(0, from, '\n'), static_cast<std::size_t>(std::count(
                                                       text.begin(), text.begin() + from, '\n')));
        }
    }
}

TEST(GapBuffer, TypingAtOnePlaceGrowsTheBlockGeometrically)
{
    LimitedBlockFactory factory;
    GapBuffer buffer(factory);
    buffer.Reset();
    std::string text(1 << 20, 'x');
    buffer.Insert(0, text.data(), static_cast<TextPos>(text.size()));
    int resizesBefore = factory.resizes;
    TextPos pos = buffer.Length() / 2;
    for (int i = 0; i < 100000; ++i) {
        ASSERT_TRUE(buffer.Insert(pos, "y", 1));
        ++pos;
    }
    // 512-byte steps would have grown it about 200 times.
    EXPECT_LE(factory.resizes - resizesBefore, 5);
    EXPECT_LE(buffer.BlockSize(), buffer.Length() + buffer.Length() / 10);
}

TEST(GapBuffer, LargeDeletionsGiveTheRoomBack)
{
    LimitedBlockFactory factory;
    GapBuffer buffer(factory);
    buffer.Reset();
    std::string text(4 << 20, 'x');
    buffer.Insert(0, text.data(), static_cast<TextPos>(text.size()));
    buffer.Erase(1000, 3 << 20);
    buffer.TrimGap();
    EXPECT_EQ(buffer.Length(), (1u << 20));
    EXPECT_LE(buffer.BlockSize(), buffer.Length() + buffer.Length() / 8 + 64 * 1024);
}

TEST(GapBuffer, FailedGrowthLeavesTheTextAlone)
{
    LimitedBlockFactory factory;
    GapBuffer buffer(factory);
    buffer.Reset();
    std::string text(400, 'a');
    ASSERT_TRUE(buffer.Insert(0, text.data(), 400));
    factory.limit = 600;
    std::string more(300, 'b');
    EXPECT_FALSE(buffer.Insert(10, more.data(), 300));
    EXPECT_TRUE(Holds(buffer, text));
    EXPECT_FALSE(buffer.OpenGap(0, kMaxTextLength));
}

TEST(GapBuffer, LockStateIsTheCallersAfterEachOperation)
{
    LimitedBlockFactory factory;
    GapBuffer buffer(factory);
    buffer.Reset();
    buffer.Insert(0, "abc", 3);
    EXPECT_FALSE(buffer.IsLocked());
    buffer.Lock();
    buffer.Insert(1, "x", 1);
    std::string big(5000, 'z');
    buffer.Insert(0, big.data(), 5000); // grows the block while locked
    EXPECT_TRUE(buffer.IsLocked());
    EXPECT_EQ(buffer.At(5000), 'a');
    buffer.Unlock();
    EXPECT_FALSE(buffer.IsLocked());
}

TEST(GapBuffer, ALockOutlivesTheBlock)
{
    // A view holds the text locked while the document is emptied and
    // reloaded: the new block is locked for it.
    LimitedBlockFactory factory;
    GapBuffer buffer(factory);
    buffer.Lock();
    buffer.Free();
    ASSERT_TRUE(buffer.Insert(0, "ab", 2));
    EXPECT_TRUE(buffer.IsLocked());
    GapBuffer::Access access(buffer);
    EXPECT_EQ(buffer.At(1), 'b');
    buffer.Reset();
    EXPECT_TRUE(buffer.IsLocked());
    EXPECT_EQ(*buffer.GapStart(), 0);
}
