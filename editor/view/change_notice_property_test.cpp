// Random edits of a document made through one view: another view that only
// follows the document's notices keeps its bookmarks on the same bytes.
// Every byte carries an id; the ids of the text are recomputed from what
// each edit did, and undo and redo bring back the ids of an earlier state.
#include "editor/doc/doc_test_support.h"
#include "editor/view/change_notice.h"
#include "editor/view/doc_view_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using Ids = std::vector<int>;

// The other view: follows every notice, as CMarlView does.
class Follower : public ChangeObserver {
public:
    explicit Follower(const MarlDocCore& doc) : m_doc(doc) {}
    ViewPositions view;
    void TextChanged(const ChangeNotice& notice) override
    {
        ApplyChangeNotice(view, notice, DocViewText(m_doc));
    }
    void TextReset() override { view = ViewPositions(); }

private:
    const MarlDocCore& m_doc;
};

// Where a bookmark on the byte with id `anchor` must be after `before`
// became `after`: dropped with its byte; an insertion right at it leaves it
// in front of the inserted bytes.
TextPos Expected(const Ids& before, const Ids& after, int anchor)
{
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    const auto old = std::find(before.begin(), before.end(), anchor);
    if (old == before.end())
        return kNoPos; // a bookmark at the end of the text
    const auto p = static_cast<std::size_t>(old - before.begin());
    if (p == prefix && after.size() > before.size())
        return static_cast<TextPos>(p);
    const auto now = std::find(after.begin(), after.end(), anchor);
    return now == after.end() ? kNoPos : static_cast<TextPos>(now - after.begin());
}

TEST(ChangeNoticeProperty, RandomEditsKeepAnotherViewsBookmarksOnTheirText)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        DocFixture f;
        f.settings.autoIndent = false;
        std::string text;
        for (int i = 0; i < 30; ++i)
            text += "line " + std::to_string(i) + "\n";
        f.Load(text);
        Follower other(f.doc);
        f.doc.SetChangeObserver(&other);

        Ids ids(text.size());
        int nextId = 0;
        for (int& id : ids)
            id = nextId++;
        std::vector<Ids> undone; // the states Redo brings back
        std::vector<Ids> history;
        std::vector<int> anchors(kBookmarkSlots, -1);
        std::mt19937 random(seed);
        auto pick = [&](TextPos below) {
            return below == 0 ? 0 : static_cast<TextPos>(random() % below);
        };
        for (int slot = 0; slot < 8; ++slot) {
            const TextPos at = f.doc.LineStart(pick(f.doc.GetLength()));
            other.view.bookmarks[slot] = at;
            anchors[slot] = ids[at];
        }

        for (int step = 0; step < 60; ++step) {
            const Ids before = ids;
            const TextPos length = f.doc.GetLength();
            const TextPos at = pick(length + 1);
            const unsigned kind = random() % 6;
            const bool edited = kind < 4;
            switch (kind) {
            case 0: {
                const std::string s = random() % 2 ? "ab\ncd" : "x";
                f.doc.InsertString(at, s, 1);
                ids.insert(ids.begin() + at, s.size(), 0);
                for (std::size_t i = 0; i < s.size(); ++i)
                    ids[at + i] = nextId++;
                break;
            }
            case 1: {
                const TextPos n = std::min<TextPos>(pick(12) + 1, length - at);
                if (n == 0)
                    break;
                f.doc.DeleteBlock(at, n, 1, kNoPos);
                ids.erase(ids.begin() + at, ids.begin() + at + n);
                break;
            }
            case 2:
                if (at < length) {
                    f.doc.DeleteChar(at, 1);
                    ids.erase(ids.begin() + at);
                }
                break;
            case 3: {
                if (length == 0)
                    break;
                const TextPos p = std::min(at, length - 1);
                TextPos start = f.doc.LineStart(p);
                TextPos end = f.doc.LineEnd(p);
                if (end < length)
                    ++end;
                else if (start > 0)
                    --start;
                f.doc.DeleteLine(p, 1);
                ids.erase(ids.begin() + start, ids.begin() + end);
                break;
            }
            case 4: {
                int line = 1;
                if (history.empty() || f.doc.Undo(line) == kNoPos)
                    continue;
                undone.push_back(ids);
                ids = history.back();
                history.pop_back();
                break;
            }
            case 5: {
                int line = 1;
                if (undone.empty() || f.doc.Redo(line) == kNoPos)
                    continue;
                history.push_back(ids);
                ids = undone.back();
                undone.pop_back();
                break;
            }
            }
            if (ids == before)
                continue;
            if (edited) {
                history.push_back(before);
                undone.clear();
            }
            ASSERT_EQ(ids.size(), f.doc.GetLength()) << "seed " << seed << " step " << step;
            for (int slot = 0; slot < kBookmarkSlots; ++slot) {
                if (anchors[slot] < 0)
                    continue;
                const TextPos expected = Expected(before, ids, anchors[slot]);
                ASSERT_EQ(other.view.bookmarks[slot], expected)
                    << "seed " << seed << " step " << step << " slot " << slot;
                anchors[slot] = expected == kNoPos ? -1 : ids[expected];
            }
        }
    }
}

} // namespace
