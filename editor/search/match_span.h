// Where a match lies in the text it was found in.
#pragma once
#include <cstddef>

struct MatchSpan {
    std::size_t start = 0;
    // The last character the match consumed; the start for an empty match.
    std::size_t end = 0;

    friend bool operator==(const MatchSpan&, const MatchSpan&) = default;
};

// The end of a match that began at start and stopped before stop.
inline MatchSpan SpanBetween(std::size_t start, std::size_t stop)
{
    return {start, stop > start ? stop - 1 : start};
}
