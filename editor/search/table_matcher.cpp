#include "editor/search/table_matcher.h"

#include <limits>
#include <new>

std::optional<MatchSpan> TableMatcher::Find(const MatchProgram& program, std::string_view text)
{
    Fill(program, text);
    for (std::size_t start = 0; start < text.size(); ++start) {
        if (Succeeds(0, start))
            return SpanBetween(start, StopOfMatchAt(program, text, start));
    }
    return std::nullopt;
}

// Succeeds(i, p): the steps from i on match when begun at p.  A repetition
// at p succeeds when the rest succeeds anywhere between p and the end of the
// run of characters its operand takes from p; walking backwards, that run
// only grows while the operand keeps taking characters, so one flag per
// repetition carries the answer from one position to the next.
void TableMatcher::Fill(const MatchProgram& program, std::string_view text)
{
    const std::vector<MatchStep>& steps = program.Steps();
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    const std::size_t m = steps.size();

    // A bit per (step, position): on a huge line under a 32-bit size_t the
    // count itself could wrap, which must end in an allocation failure, not
    // in a table too small for the loop below.
    m_rowBits = n + 1;
    if (m_rowBits > (std::numeric_limits<std::size_t>::max() - 63) / (m + 1))
        throw std::bad_alloc();
    m_succeeds.assign(((m + 1) * m_rowBits + 63) / 64, 0);
    m_restFoundInRun.assign(m, 0);
    for (std::size_t p = 0; p <= n; ++p)
        MarkSucceeds(m, p);

    for (std::size_t p = n + 1; p-- > 0;) {
        for (std::size_t i = m; i-- > 0;) {
            const MatchStep& step = steps[i];
            bool succeeds = false;
            switch (step.kind) {
            case StepKind::Char:
                succeeds = p < n && step.accepts[t[p]] && Succeeds(i + 1, p + 1);
                break;
            case StepKind::LineStart:
                succeeds = p == 0 && Succeeds(i + 1, p);
                break;
            case StepKind::LineEnd:
                succeeds = (p == n || t[p] == '\n') && Succeeds(i + 1, p);
                break;
            case StepKind::Star: {
                bool runGoesOn = p < n && step.accepts[t[p]];
                bool found = Succeeds(i + 1, p) || (runGoesOn && m_restFoundInRun[i]);
                m_restFoundInRun[i] = found;
                succeeds = found;
                break;
            }
            }
            if (succeeds)
                MarkSucceeds(i, p);
        }
    }
}

// Follows the path the backtracking order takes from a start known to
// match: each repetition keeps the most characters that still let the rest
// succeed.
std::size_t TableMatcher::StopOfMatchAt(const MatchProgram& program, std::string_view text,
                                        std::size_t start) const
{
    const std::vector<MatchStep>& steps = program.Steps();
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t p = start;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const MatchStep& step = steps[i];
        if (step.kind == StepKind::Char) {
            ++p;
        } else if (step.kind == StepKind::Star) {
            std::size_t runEnd = p;
            while (runEnd < n && step.accepts[t[runEnd]])
                ++runEnd;
            while (!Succeeds(i + 1, runEnd))
                --runEnd;
            p = runEnd;
        }
    }
    return p;
}
