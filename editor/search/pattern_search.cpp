#include "editor/search/pattern_search.h"

#include "editor/search/match_text.h"
#include "editor/search/pattern_compiler.h"
#include "editor/search/pattern_escape.h"

#include <string>

bool PatternError = false;

namespace {

std::optional<CompiledPattern> CompileOrReport(std::string_view pattern, MessageSink& sink)
{
    PatternError = false;
    std::optional<CompiledPattern> list = CompilePattern(pattern);
    if (!list) {
        sink.ShowMessage(kInvalidPatternMessage, MessageIcon::Exclamation, MessageButtons::Ok);
        PatternError = true;
    }
    return list;
}

} // namespace

std::optional<std::size_t> FindMatchStart(std::string_view pattern, std::string_view text,
                                          MessageSink& sink)
{
    std::optional<CompiledPattern> list = CompileOrReport(pattern, sink);
    if (!list)
        return std::nullopt;
    return MatchText(text, *list, false);
}

std::optional<std::size_t> FindMatchEnd(std::string_view pattern, std::string_view text)
{
    std::optional<CompiledPattern> list = CompilePattern(pattern);
    if (!list)
        return std::nullopt;
    return MatchText(text, *list, true);
}

std::optional<LinePattern> LinePattern::Compile(std::string_view pattern, bool ignoreCase,
                                                MessageSink& sink)
{
    // Folding the lines' case inside the matcher's tables gives the same
    // result as lower-casing a copy of every line, without the copy.
    std::optional<CompiledPattern> list =
        CompileOrReport(ignoreCase ? LowerAsciiCopy(pattern) : std::string(pattern), sink);
    if (!list)
        return std::nullopt;
    return LinePattern(PatternMatcher(*list, ignoreCase));
}

LineSearchResult SearchLine(LinePattern& pattern, std::string_view line)
{
    std::optional<MatchSpan> match = pattern.Find(line);
    if (!match)
        return {};
    return {static_cast<std::ptrdiff_t>(match->start),
            static_cast<std::ptrdiff_t>(match->end - match->start)};
}

LineSearchResult SearchLine(std::string_view pattern, std::string_view line, bool ignoreCase,
                            MessageSink& sink)
{
    std::optional<LinePattern> compiled = LinePattern::Compile(pattern, ignoreCase, sink);
    if (!compiled)
        return {};
    return SearchLine(*compiled, line);
}

bool LineMatches(LinePattern& pattern, std::string_view line)
{
    return pattern.Find(line).has_value();
}

bool LineMatches(std::string_view pattern, std::string_view line, bool ignoreCase,
                 MessageSink& sink)
{
    std::optional<LinePattern> compiled = LinePattern::Compile(pattern, ignoreCase, sink);
    return compiled && LineMatches(*compiled, line);
}
