#include "editor/view/change_notice.h"

bool FollowChange(TextPos& pos, const ChangeNotice& notice, bool atOrAfter)
{
    if (pos == kNoPos || notice.delta == 0)
        return true;
    const std::int64_t at = notice.position;
    const std::int64_t p = pos;
    if (notice.delta > 0) {
        if (p > at || (atOrAfter && p == at))
            pos = static_cast<TextPos>(p + notice.delta);
        return true;
    }
    const std::int64_t removedEnd = at - notice.delta;
    if (p >= removedEnd) {
        pos = static_cast<TextPos>(p + notice.delta);
        return true;
    }
    if (p > at) {
        pos = notice.position;
        return false;
    }
    return true;
}

NoticeEffect ApplyChangeNotice(ViewPositions& view, const ChangeNotice& notice,
                               const ViewText& text)
{
    NoticeEffect effect;
    if (notice.position < view.top) {
        TextPos top = view.top;
        FollowChange(top, notice, false);
        // A removal reaching into the top line leaves the top mid-line.
        view.top = notice.delta < 0 ? text.LineStart(top) : top;
    } else {
        effect.repaintAll = true;
    }

    if (notice.position < view.caret) {
        if (FollowChange(view.caret, notice, false))
            view.caretLine += notice.lineDelta;
        else
            effect.recountCaretLine = true;
    }

    if (view.selStart != kNoPos && view.selEnd != kNoPos) {
        FollowChange(view.selStart, notice, true);
        FollowChange(view.selEnd, notice, true);
    }

    for (TextPos& mark : view.bookmarks) {
        if (mark == kNoPos)
            continue;
        // A removal drops the bookmarks of the lines it takes away.
        if (notice.delta < 0 && mark >= notice.position &&
            static_cast<std::int64_t>(mark) <
                static_cast<std::int64_t>(notice.position) - notice.delta) {
            mark = kNoPos;
            continue;
        }
        FollowChange(mark, notice, false);
    }
    return effect;
}
