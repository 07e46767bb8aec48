#include "editor/search/pattern_consistency.h"

#include "editor/base/testing/recording_message_sink.h"
#include "editor/search/pattern_compiler.h"
#include "editor/search/pattern_escape.h"
#include "editor/search/pattern_search.h"
#include "editor/search/reference_matcher.h"

#include <optional>
#include <sstream>

namespace {

// Enough for every short input to be decided; longer walks are skipped.
constexpr std::size_t kReferenceSteps = 20000;

std::string Describe(std::optional<MatchSpan> span)
{
    if (!span)
        return "no match";
    std::ostringstream out;
    out << "[" << span->start << ", " << span->end << "]";
    return out.str();
}

class Checker {
public:
    Checker(std::string_view pattern, std::string_view text, bool ignoreCase)
        : m_pattern(pattern), m_text(text), m_ignoreCase(ignoreCase)
    {
    }

    std::string Run()
    {
        std::optional<CompiledPattern> list = CompilePattern(m_pattern);
        if (!list)
            CheckInvalid();
        else
            CheckValid(*list);
        if (m_problem.empty())
            CheckLineFrontEnds();
        return m_problem;
    }

private:
    void Fail(const std::string& what)
    {
        if (m_problem.empty())
            m_problem = what;
    }

    void CheckInvalid()
    {
        RecordingMessageSink sink;
        std::optional<std::size_t> start = FindMatchStart(m_pattern, m_text, sink);
        if (start)
            Fail("an invalid pattern found a match");
        if (!PatternError)
            Fail("an invalid pattern left PatternError clear");
        if (sink.shown.size() != 1 || sink.shown[0].text != kInvalidPatternMessage ||
            sink.shown[0].icon != MessageIcon::Exclamation)
            Fail("an invalid pattern was not reported exactly once");
        if (FindMatchEnd(m_pattern, m_text))
            Fail("FindMatchEnd found a match for an invalid pattern");
    }

    void CheckValid(const CompiledPattern& list)
    {
        RecordingMessageSink sink;
        std::optional<std::size_t> start = FindMatchStart(m_pattern, m_text, sink);
        std::optional<std::size_t> end = FindMatchEnd(m_pattern, m_text);
        if (PatternError || !sink.shown.empty())
            Fail("a valid pattern was reported as invalid");
        if (start.has_value() != end.has_value()) {
            Fail("FindMatchStart and FindMatchEnd disagree on whether there is a match");
            return;
        }
        std::optional<MatchSpan> found;
        if (start)
            found = MatchSpan{*start, *end};
        if (found && found->end < found->start)
            Fail("the end lies before the start");

        ReferenceResult reference = ReferenceMatch(m_text, list, kReferenceSteps);
        if (!reference.gaveUp && reference.match != found)
            Fail("engine " + Describe(found) + ", reference " + Describe(reference.match));

        std::optional<MatchSpan> byTable = PatternMatcher(list, false).FindByTable(m_text);
        if (byTable != found)
            Fail("engine " + Describe(found) + ", table " + Describe(byTable));
    }

    // SearchLine and LineMatches lower-case both sides when ignoring case;
    // the reference does that literally, the engine inside its tables.
    void CheckLineFrontEnds()
    {
        std::string pattern = m_ignoreCase ? LowerAsciiCopy(m_pattern) : std::string(m_pattern);
        std::string text = m_ignoreCase ? LowerAsciiCopy(m_text) : std::string(m_text);
        std::optional<CompiledPattern> list = CompilePattern(pattern);

        RecordingMessageSink sink;
        LineSearchResult result = SearchLine(m_pattern, m_text, m_ignoreCase, sink);
        bool matches = LineMatches(m_pattern, m_text, m_ignoreCase, sink);
        if (!list) {
            if (sink.shown.size() != 2 || !PatternError)
                Fail("SearchLine and LineMatches must each report an invalid pattern");
            if (result != LineSearchResult{} || matches)
                Fail("an invalid pattern matched a line");
            return;
        }
        if (!sink.shown.empty())
            Fail("a valid pattern was reported as invalid by a line front end");
        if (matches != (result.offset >= 0))
            Fail("LineMatches and SearchLine disagree");
        ReferenceResult reference = ReferenceMatch(text, *list, kReferenceSteps);
        if (reference.gaveUp)
            return;
        LineSearchResult expected;
        if (reference.match) {
            expected.offset = static_cast<std::ptrdiff_t>(reference.match->start);
            expected.length =
                static_cast<std::ptrdiff_t>(reference.match->end - reference.match->start);
        }
        if (result != expected) {
            std::ostringstream out;
            out << "SearchLine gave (" << result.offset << ", " << result.length << "), reference ("
                << expected.offset << ", " << expected.length << ")";
            Fail(out.str());
        }
    }

    std::string_view m_pattern;
    std::string_view m_text;
    bool m_ignoreCase;
    std::string m_problem;
};

} // namespace

std::string CheckPatternConsistency(std::string_view pattern, std::string_view text,
                                    bool ignoreCase)
{
    return Checker(pattern, text, ignoreCase).Run();
}
