// Whether the top line of a window starts inside a block comment.
//
// The answer is the backward walk: from the top position down to position 1,
// the first '*' that opens ("/*" whose '/' is at 0 or not after another '/')
// or closes ("*/") a comment decides; with none the top is outside.  Strings
// and "//" comments are not considered.
#pragma once
#include "editor/doc/text_pos.h"
#include "editor/view/view_text.h"

#include <cstdint>

// The walk itself, from scratch.
bool CommentStateByWalk(const ViewText& text, TextPos top);

// Remembers what the last answer learned so that moving the top or editing
// the text costs a walk over the distance moved, not over the whole text.
// Its answers equal CommentStateByWalk for the same text and top.
class TopCommentTracker {
public:
    bool StateAt(const ViewText& text, TextPos top);

    // The text changed at `pos` by `delta` bytes (negative: removed, 0:
    // replaced in place).  Must be told of every change, in order.
    void TextChanged(TextPos pos, std::int64_t delta);
    void Reset() { *this = TopCommentTracker(); }

    // Bytes examined by walks so far, for tests that check the cost.
    std::uint64_t BytesWalked() const { return m_walked; }

private:
    // A deciding '*' at `pos` (0: none), opening a comment or closing one.
    struct Mark {
        std::int64_t pos = 0;
        bool opens = false;
    };
    // Walks from `from` down to `above` + 1 for the first deciding '*';
    // pos -1 when there is none in that range.
    Mark WalkDown(const ViewText& text, std::int64_t from, std::int64_t above);

    // Known: the last deciding '*' at or below m_known is m_last; when
    // m_hasPrevious, the last one before m_last is m_previous.
    bool m_valid = false;
    std::int64_t m_known = 0;
    Mark m_last;
    bool m_hasPrevious = false;
    Mark m_previous;
    std::uint64_t m_walked = 0;
};
