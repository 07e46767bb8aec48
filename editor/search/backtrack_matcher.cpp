#include "editor/search/backtrack_matcher.h"

namespace {

// Whether the rest can possibly begin at pos: a character step that does not
// take the byte there fails at once, so that position need not be tried.
bool RestMayStartAt(const MatchStep* restFirst, const unsigned char* text, std::size_t size,
                    std::size_t pos)
{
    if (restFirst->kind != StepKind::Char)
        return true;
    return pos < size && restFirst->accepts[text[pos]];
}

} // namespace

BacktrackOutcome BacktrackMatcher::TryAt(const MatchProgram& program, std::string_view text,
                                         std::size_t start, std::int64_t& budget, std::size_t& stop)
{
    const std::vector<MatchStep>& steps = program.Steps();
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    const std::size_t m = steps.size();
    m_frames.clear();

    std::size_t i = 0;
    std::size_t p = start;
    for (;;) {
        // Walk forward until the pattern is done or a step fails.
        bool failed = false;
        while (i < m && !failed) {
            if (--budget < 0)
                return BacktrackOutcome::OverBudget;
            const MatchStep& step = steps[i];
            switch (step.kind) {
            case StepKind::Char:
                failed = !(p < n && step.accepts[t[p]]);
                if (!failed) {
                    ++p;
                    ++i;
                }
                break;
            case StepKind::LineStart:
                failed = p != 0;
                i += failed ? 0 : 1;
                break;
            case StepKind::LineEnd:
                failed = !(p == n || t[p] == '\n');
                i += failed ? 0 : 1;
                break;
            case StepKind::Star: {
                std::size_t floor = p;
                while (p < n && step.accepts[t[p]])
                    ++p;
                budget -= static_cast<std::int64_t>(p - floor);
                if (++i == m)
                    break;
                m_frames.push_back({i, floor, p});
                failed = !RestMayStartAt(&steps[i], t, n, p);
                break;
            }
            }
        }
        if (!failed) {
            stop = p;
            return BacktrackOutcome::Matched;
        }

        // Give back characters from the innermost repetition that still can,
        // skipping positions where the rest fails on its first step.
        for (;;) {
            if (m_frames.empty())
                return BacktrackOutcome::Failed;
            Frame& frame = m_frames.back();
            const MatchStep* restFirst = &steps[frame.rest];
            bool found = false;
            while (!found && frame.next > frame.floor) {
                --frame.next;
                --budget;
                found = RestMayStartAt(restFirst, t, n, frame.next);
            }
            if (found) {
                i = frame.rest;
                p = frame.next;
                break;
            }
            m_frames.pop_back();
        }
    }
}
