#include "editor/view/comment_walk.h"

#include <algorithm>

namespace {

// A '*' at p decides when it opens or closes a comment; reads p-2 .. p+1.
enum class Decision { None, Opens, Closes };

Decision DecisionAt(const ViewText& text, TextPos p)
{
    if (p >= 1 && text.At(p - 1) == '/' && (p - 1 == 0 || text.At(p - 2) != '/'))
        return Decision::Opens;
    if (text.At(p + 1) == '/')
        return Decision::Closes;
    return Decision::None;
}

// Farther than this below a newly found mark the tracker does not look for
// the one before it (that only speeds up scrolling back over the mark).
constexpr std::int64_t kPreviousSearchLimit = 64 * 1024;

} // namespace

bool CommentStateByWalk(const ViewText& text, TextPos top)
{
    TextPos length = text.Length();
    for (TextPos p = std::min(top, length == 0 ? 0 : length - 1); p >= 1; --p) {
        if (text.At(p) != '*')
            continue;
        Decision d = DecisionAt(text, p);
        if (d != Decision::None)
            return d == Decision::Opens;
    }
    return false;
}

TopCommentTracker::Mark TopCommentTracker::WalkDown(const ViewText& text, std::int64_t from,
                                                    std::int64_t above)
{
    std::int64_t length = text.Length();
    from = std::min(from, length - 1);
    above = std::max<std::int64_t>(above, 0);
    // Pieces end at `end` (exclusive); stars are looked for with rfind.
    std::int64_t end = from + 1;
    while (end - 1 > above) {
        std::string_view piece = text.PieceBefore(static_cast<TextPos>(end));
        std::int64_t pieceStart = end - static_cast<std::int64_t>(piece.size());
        std::int64_t low = std::max(pieceStart, above + 1);
        std::string_view part = piece.substr(static_cast<std::size_t>(low - pieceStart));
        std::size_t star = part.size();
        while (star > 0) {
            star = part.rfind('*', star - 1);
            if (star == std::string_view::npos)
                break;
            std::int64_t p = low + static_cast<std::int64_t>(star);
            Decision d = DecisionAt(text, static_cast<TextPos>(p));
            if (d != Decision::None) {
                m_walked += static_cast<std::uint64_t>(end - p);
                return {p, d == Decision::Opens};
            }
        }
        m_walked += static_cast<std::uint64_t>(end - low);
        end = low;
    }
    return {-1, false};
}

bool TopCommentTracker::StateAt(const ViewText& text, TextPos top)
{
    const std::int64_t t = top;
    if (!m_valid) {
        Mark found = WalkDown(text, t, 0);
        m_valid = true;
        m_known = t;
        m_last = found.pos < 0 ? Mark{} : found;
        m_hasPrevious = false;
        return m_last.opens;
    }
    if (t >= m_known) {
        Mark found = WalkDown(text, t, m_known);
        if (found.pos >= 0) {
            // Look a little further for the mark before it, so that scrolling
            // back over the new one costs nothing.
            std::int64_t floor = std::max(m_known, found.pos - kPreviousSearchLimit);
            Mark before = WalkDown(text, found.pos - 1, floor);
            if (before.pos >= 0) {
                m_previous = before;
                m_hasPrevious = true;
            } else if (floor == m_known) {
                m_previous = m_last;
                m_hasPrevious = true;
            } else {
                m_hasPrevious = false;
            }
            m_last = found;
        }
        m_known = t;
        return m_last.opens;
    }
    if (m_last.pos <= t)
        return m_last.opens;
    // The top moved above the last mark.
    if (m_hasPrevious && m_previous.pos <= t) {
        m_known = m_last.pos - 1;
        m_last = m_previous;
        m_hasPrevious = false;
        return m_last.opens;
    }
    m_valid = false;
    return StateAt(text, top);
}

void TopCommentTracker::TextChanged(TextPos pos, std::int64_t delta)
{
    if (!m_valid)
        return;
    // A star's decision reads the bytes from two before it to one after it,
    // so stars up to pos - 2 keep both their place and their decision.
    std::int64_t unchanged = static_cast<std::int64_t>(pos) - 2;
    if (unchanged >= m_known)
        return;
    (void)delta;
    if (m_last.pos > unchanged) {
        if (m_hasPrevious && m_previous.pos <= unchanged) {
            m_last = m_previous;
            m_hasPrevious = false;
        } else {
            m_valid = false;
            return;
        }
    } else if (m_hasPrevious && m_previous.pos > unchanged) {
        m_hasPrevious = false;
    }
    m_known = std::max<std::int64_t>(unchanged, m_last.pos);
}
