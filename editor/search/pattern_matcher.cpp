#include "editor/search/pattern_matcher.h"

#include <cstdint>
#include <cstring>

namespace {

std::string_view UpToNul(std::string_view text)
{
    if (text.empty())
        return text; // an empty view may have no data to scan
    const void* nul = std::memchr(text.data(), '\0', text.size());
    if (!nul)
        return text;
    return text.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
}

// Backtracking may take this many steps per table cell before the table
// method, whose cost is one cell per (step, position), takes over.  The base
// keeps ordinary short lines on the cheaper path.
constexpr std::int64_t kStepsPerCell = 8;
constexpr std::int64_t kBaseSteps = 10000;

std::int64_t BacktrackBudget(std::size_t steps, std::size_t size)
{
    constexpr auto kLimit = std::int64_t{1} << 60;
    auto cells = static_cast<double>(steps + 1) * static_cast<double>(size + 1);
    if (cells * kStepsPerCell > static_cast<double>(kLimit))
        return kLimit;
    return kBaseSteps + kStepsPerCell * static_cast<std::int64_t>(cells);
}

} // namespace

std::optional<MatchSpan> PatternMatcher::Find(std::string_view text)
{
    if (m_program.Steps().empty())
        return std::nullopt;
    text = UpToNul(text);
    if (text.empty()) {
        if (m_program.MatchesEmptyText())
            return MatchSpan{0, 0};
        return std::nullopt;
    }
    if (m_program.IsLiteral()) {
        const std::string& literal = m_program.LeadingLiteral();
        std::size_t pos = text.find(literal);
        if (pos == std::string_view::npos)
            return std::nullopt;
        return SpanBetween(pos, pos + literal.size());
    }
    if (!m_program.AnchoredAtStart()) {
        for (const std::string& literal : m_program.RequiredLiterals()) {
            if (text.find(literal) == std::string_view::npos)
                return std::nullopt;
        }
    }
    return FindByBacktracking(text);
}

std::optional<MatchSpan> PatternMatcher::FindByTable(std::string_view text)
{
    text = UpToNul(text);
    if (text.empty() || m_program.Steps().empty())
        return Find(text);
    return m_table.Find(m_program, text);
}

std::optional<MatchSpan> PatternMatcher::FindByBacktracking(std::string_view text)
{
    std::int64_t budget = BacktrackBudget(m_program.Steps().size(), text.size());
    for (std::size_t start = NextStart(text, 0); start < text.size();
         start = NextStart(text, start + 1)) {
        std::size_t stop = 0;
        switch (m_backtrack.TryAt(m_program, text, start, budget, stop)) {
        case BacktrackOutcome::Matched:
            return SpanBetween(start, stop);
        case BacktrackOutcome::OverBudget:
            return m_table.Find(m_program, text);
        case BacktrackOutcome::Failed:
            break;
        }
    }
    return std::nullopt;
}

// The first start position at or after from where the first step can
// succeed; the size of the text when there is none.  The position behind the
// last character is never a start.
std::size_t PatternMatcher::NextStart(std::string_view text, std::size_t from) const
{
    const std::size_t n = text.size();
    if (from >= n)
        return n;
    if (m_program.AnchoredAtStart())
        return from == 0 ? 0 : n;
    const std::string& leading = m_program.LeadingLiteral();
    if (!leading.empty()) {
        std::size_t pos = text.find(leading, from);
        return pos == std::string_view::npos ? n : pos;
    }
    const MatchStep& first = m_program.Steps().front();
    if (first.kind != StepKind::Char)
        return from;
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    while (from < n && !first.accepts[t[from]])
        ++from;
    return from;
}
