// How a view follows a change of its document's text, wherever it was made.
#pragma once
#include "editor/doc/change_observer.h"
#include "editor/doc/text_pos.h"
#include "editor/view/view_text.h"

#include <array>
#include <cstdint>

inline constexpr int kBookmarkSlots = 16;

// The positions of a view that follow the text.
struct ViewPositions {
    TextPos top = 0;
    TextPos caret = 0;
    long caretLine = 1; // one-based
    TextPos selStart = kNoPos;
    TextPos selEnd = kNoPos;
    std::array<TextPos, kBookmarkSlots> bookmarks;

    ViewPositions() { bookmarks.fill(kNoPos); }
};

struct NoticeEffect {
    bool repaintAll = false;       // the change lies at or after the top
    bool recountCaretLine = false; // the caret was inside a removed range
};

// Moves the positions of `view` for `notice`; `text` is the changed text.
// Positions inside a removed range go to its start; the top stays a line start.
NoticeEffect ApplyChangeNotice(ViewPositions& view, const ChangeNotice& notice,
                               const ViewText& text);

// Moves one position for a change; false when it lay inside a removed range
// (it is then moved to the range's start).  `atOrAfter` says whether a
// position equal to the change's moves with an insertion.
bool FollowChange(TextPos& pos, const ChangeNotice& notice, bool atOrAfter);
