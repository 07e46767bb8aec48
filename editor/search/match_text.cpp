#include "editor/search/match_text.h"

#include "editor/search/pattern_matcher.h"

std::optional<std::size_t> MatchText(std::string_view text, const CompiledPattern& list,
                                     bool wantEnd)
{
    if (list.Empty())
        return std::nullopt;
    std::optional<MatchSpan> match = PatternMatcher(list, false).Find(text);
    if (!match)
        return std::nullopt;
    return wantEnd ? match->end : match->start;
}
