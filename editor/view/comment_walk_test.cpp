#include "editor/view/comment_walk.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// A text split at a gap, as the document's buffer hands it out.
class SplitText : public ViewText {
public:
    SplitText(const std::string& text, std::size_t gap) : m_text(text), m_gap(gap) {}
    TextPos Length() const override { return static_cast<TextPos>(m_text.size()); }
    std::string_view PieceFrom(TextPos pos) const override
    {
        std::string_view all(m_text);
        return pos < m_gap ? all.substr(pos, m_gap - pos) : all.substr(pos);
    }
    std::string_view PieceBefore(TextPos pos) const override
    {
        std::string_view all(m_text);
        return pos <= m_gap ? all.substr(0, pos) : all.substr(m_gap, pos - m_gap);
    }

private:
    const std::string& m_text;
    std::size_t m_gap;
};

TEST(CommentWalk, DecidesByTheNearestMarkerAbove)
{
    struct {
        const char* text;
        TextPos top;
        bool inside;
    } const cases[] = {
        {"a\nb\n", 2, false},
        {"/* a\nb\n", 5, true},
        {"x/* a\nb\n", 6, true},
        {"/* a */\nb\n", 8, false},
        {"//* a\nb\n", 6, false},        // "//*" opens nothing
        {"/* a\n// b */\nc", 13, false}, // the walk ignores "//"
        {"\"/*\"\nb", 5, true},          // and strings
        {"/* a\n*/b", 5, false},         // a "*/" at the top itself decides
        {"/* a\n", 5, true},             // top at the text end
        {"", 0, false},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        for (std::size_t gap = 0; gap <= text.size(); ++gap) {
            SplitText split(text, gap);
            EXPECT_EQ(CommentStateByWalk(split, c.top), c.inside) << c.text << " gap " << gap;
            TopCommentTracker tracker;
            EXPECT_EQ(tracker.StateAt(split, c.top), c.inside) << c.text << " gap " << gap;
        }
    }
}

std::vector<TextPos> LineStarts(const std::string& text)
{
    std::vector<TextPos> starts{0};
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n')
            starts.push_back(static_cast<TextPos>(i + 1));
    return starts;
}

// Texts made of the bytes that matter to the walk, mostly.
std::string RandomText(std::mt19937& rng, std::size_t size)
{
    static const char kBytes[] = "/*/*\n\nab \"";
    std::uniform_int_distribution<int> pick(0, sizeof kBytes - 2);
    std::string text;
    for (std::size_t i = 0; i < size; ++i)
        text += kBytes[pick(rng)];
    return text;
}

TEST(TopCommentTracker, AgreesWithTheWalkThroughScrollsAndEdits)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        std::string text = RandomText(rng, 50 + rng() % 400);
        TopCommentTracker tracker;
        for (int step = 0; step < 60; ++step) {
            if (rng() % 3 == 0) {
                // An edit: insert or remove a few bytes somewhere.
                TextPos pos = static_cast<TextPos>(rng() % (text.size() + 1));
                if (rng() % 2 == 0 || text.empty()) {
                    std::string added = RandomText(rng, 1 + rng() % 4);
                    text.insert(pos, added);
                    tracker.TextChanged(pos, static_cast<std::int64_t>(added.size()));
                } else {
                    std::size_t n = std::min<std::size_t>(1 + rng() % 4, text.size() - pos);
                    text.erase(pos, n);
                    tracker.TextChanged(pos, -static_cast<std::int64_t>(n));
                }
            }
            std::vector<TextPos> starts = LineStarts(text);
            TextPos top = starts[rng() % starts.size()];
            SplitText split(text, rng() % (text.size() + 1));
            ASSERT_EQ(tracker.StateAt(split, top), CommentStateByWalk(split, top))
                << "round " << round << " step " << step << " top " << top << "\n"
                << text;
        }
    }
}

TEST(TopCommentTracker, PagingCostsTheDistanceNotTheText)
{
    // One comment at the start, then a megabyte of code without markers.
    std::string text = "/* header */\n";
    while (text.size() < (1u << 20))
        text += "int value = other + 1;\n";
    StringViewText view(text);
    std::vector<TextPos> starts = LineStarts(text);
    TopCommentTracker tracker;
    const std::size_t page = 50;
    std::size_t line = starts.size() / 2;
    tracker.StateAt(view, starts[line]); // may walk once
    std::uint64_t before = tracker.BytesWalked();
    for (int i = 0; i < 20; ++i) {
        line += page;
        EXPECT_FALSE(tracker.StateAt(view, starts[line]));
    }
    for (int i = 0; i < 40; ++i) {
        line -= page;
        EXPECT_FALSE(tracker.StateAt(view, starts[line]));
    }
    // Twenty pages down were walked once; paging up walks nothing.
    EXPECT_LE(tracker.BytesWalked() - before, 20 * page * 24);
}

} // namespace
