#include "editor/search/match_program.h"

#include "editor/search/pattern_escape.h"

#include <algorithm>

namespace {

// The bytes one character element takes.  With foldCase the text is taken
// as lower case, so a capital takes whatever its small letter takes.
std::array<bool, 256> AcceptTable(const PatternElement& element, bool foldCase)
{
    std::array<bool, 256> table{};
    switch (element.kind) {
    case PatternKind::Literal:
        table[element.literal] = true;
        break;
    case PatternKind::AnyChar:
        table.fill(true);
        table['\n'] = false;
        break;
    case PatternKind::CharClass:
    case PatternKind::NegatedClass: {
        bool negated = element.kind == PatternKind::NegatedClass;
        for (std::size_t c = 0; c < table.size(); ++c)
            table[c] = element.set->Contains(static_cast<unsigned char>(c)) != negated;
        break;
    }
    default:
        break;
    }
    if (foldCase) {
        for (unsigned char c = 'A'; c <= 'Z'; ++c)
            table[c] = table[LowerAscii(c)];
    }
    return table;
}

// The one byte a literal takes: without folding its own value, with
// folding only a value no capital folds into (a small letter is also taken
// as its capital, and a capital value is never met at all).
int SingleByte(const PatternElement& element, bool foldCase)
{
    if (element.kind != PatternKind::Literal)
        return -1;
    unsigned char c = element.literal;
    if (foldCase && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
        return -1;
    return c;
}

// A handful of required strings is enough to reject most lines; more would
// cost more than it saves.
constexpr std::size_t kMaxRequiredLiterals = 3;

} // namespace

MatchProgram::MatchProgram(const CompiledPattern& list, bool foldCase)
{
    std::size_t count = 0;
    for (const PatternElement* e = list.Head(); e; e = e->next.get())
        ++count;
    m_steps.reserve(count);
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
            step.singleByte = static_cast<std::int16_t>(SingleByte(*e, foldCase));
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
        int byte = step.singleByte;
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
