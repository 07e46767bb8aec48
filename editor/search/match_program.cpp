#include "editor/search/match_program.h"

#include "editor/search/pattern_escape.h"

#include <algorithm>

namespace {

// Whether one character element takes byte c (before case folding).
bool ElementTakes(const PatternElement& element, unsigned char c)
{
    switch (element.kind) {
    case PatternKind::Literal:
        return c == element.literal;
    case PatternKind::AnyChar:
        return c != '\n';
    case PatternKind::CharClass:
        return element.set->Contains(c);
    case PatternKind::NegatedClass:
        return !element.set->Contains(c);
    default:
        return false;
    }
}

std::array<bool, 256> AcceptTable(const PatternElement& element, bool foldCase)
{
    std::array<bool, 256> table{};
    for (unsigned c = 0; c < 256; ++c) {
        auto byte = static_cast<unsigned char>(c);
        table[c] = ElementTakes(element, foldCase ? LowerAscii(byte) : byte);
    }
    return table;
}

// The one byte a step takes, or -1 when it takes none or several.
int SingleByte(const MatchStep& step)
{
    if (step.kind != StepKind::Char)
        return -1;
    int found = -1;
    for (int c = 0; c < 256; ++c) {
        if (step.accepts[static_cast<std::size_t>(c)]) {
            if (found >= 0)
                return -1;
            found = c;
        }
    }
    return found;
}

// A handful of required strings is enough to reject most lines; more would
// cost more than it saves.
constexpr std::size_t kMaxRequiredLiterals = 3;

} // namespace

MatchProgram::MatchProgram(const CompiledPattern& list, bool foldCase)
{
    for (const PatternElement* e = list.Head(); e; e = e->next.get()) {
        MatchStep step;
        switch (e->kind) {
        case PatternKind::AtLineStart:
            step.kind = StepKind::LineStart;
            break;
        case PatternKind::AtLineEnd:
            step.kind = StepKind::LineEnd;
            break;
        case PatternKind::Closure:
            // The compiler always puts the operand right behind its closure.
            e = e->next.get();
            step.kind = StepKind::Star;
            step.accepts = AcceptTable(*e, foldCase);
            break;
        default:
            step.kind = StepKind::Char;
            step.accepts = AcceptTable(*e, foldCase);
            break;
        }
        m_steps.push_back(step);
    }
    m_anchored = !m_steps.empty() && m_steps[0].kind == StepKind::LineStart;
    if (!m_steps.empty()) {
        StepKind first = m_steps[0].kind;
        m_matchesEmptyText = first == StepKind::LineEnd ||
                             (first == StepKind::LineStart &&
                              (m_steps.size() == 1 || m_steps[1].kind == StepKind::LineEnd));
    }
    FindLiterals();
}

void MatchProgram::FindLiterals()
{
    std::vector<std::string> runs(1);
    bool leading = true;
    for (const MatchStep& step : m_steps) {
        int byte = SingleByte(step);
        if (byte >= 0) {
            runs.back() += static_cast<char>(byte);
            continue;
        }
        if (leading)
            m_leadingLiteral = runs.back();
        leading = false;
        if (!runs.back().empty())
            runs.emplace_back();
    }
    if (leading) {
        m_leadingLiteral = runs.back();
        m_isLiteral = !m_steps.empty();
    }
    std::erase_if(runs, [](const std::string& run) { return run.empty(); });
    std::stable_sort(runs.begin(), runs.end(), [](const std::string& a, const std::string& b) {
        return a.size() > b.size();
    });
    if (runs.size() > kMaxRequiredLiterals)
        runs.resize(kMaxRequiredLiterals);
    m_requiredLiterals = std::move(runs);
}
