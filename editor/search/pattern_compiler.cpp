#include "editor/search/pattern_compiler.h"

#include "editor/search/pattern_escape.h"

#include <cstdio>
#include <new>
#include <utility>

namespace {

// Appends elements to a list and inserts closures in front of their operand.
class PatternBuilder {
public:
    PatternBuilder(std::string_view pattern, char delimiter)
        : m_pattern(pattern), m_delimiter(delimiter), m_appendLink(&m_list.HeadLink())
    {
    }

    std::optional<CompiledPattern> Build()
    {
        if (AtEnd(0) || m_pattern[0] == '*' || m_pattern[0] == '+')
            return std::nullopt;
        while (!AtEnd(m_pos)) {
            if (!CompileOne())
                return std::nullopt;
        }
        return std::move(m_list);
    }

private:
    bool AtEnd(std::size_t pos) const
    {
        return IsPatternEnd(m_pattern, pos) || m_pattern[pos] == m_delimiter;
    }

    bool CompileOne()
    {
        switch (m_pattern[m_pos]) {
        case '$':
            // Only at the very end: elsewhere it is an error, not a literal.
            if (!AtEnd(m_pos + 1))
                return false;
            ++m_pos;
            Append(PatternKind::AtLineEnd);
            return true;
        case '^':
            if (!m_list.Empty())
                return false;
            ++m_pos;
            Append(PatternKind::AtLineStart);
            return true;
        case '.':
            ++m_pos;
            Append(PatternKind::AnyChar);
            return true;
        case '[':
            return CompileClass();
        case '*':
            ++m_pos;
            return RepeatTail();
        case '+':
            ++m_pos;
            return RepeatTailOnceOrMore();
        default:
            return CompileLiteral();
        }
    }

    bool CompileClass()
    {
        ++m_pos;
        PatternKind kind = PatternKind::CharClass;
        if (m_pos < m_pattern.size() && m_pattern[m_pos] == '^') {
            kind = PatternKind::NegatedClass;
            ++m_pos;
        }
        auto set = std::make_unique<ClassSet>();
        if (!BuildClassSet(m_pattern, m_pos, *set))
            return false;
        Append(kind).set = std::move(set);
        return true;
    }

    bool CompileLiteral()
    {
        std::optional<unsigned char> value = ExpandEscape(m_pattern, m_pos);
        if (!value)
            return false;
        Append(PatternKind::Literal).literal = *value;
        return true;
    }

    bool TailCanRepeat() const
    {
        return m_tail && !m_tailIsOperand && m_tail->kind != PatternKind::AtLineStart &&
               m_tail->kind != PatternKind::AtLineEnd;
    }

    // The closure takes the tail's place in the link that held it; the tail
    // stays the last element, so what follows is appended behind the operand.
    bool RepeatTail()
    {
        if (!TailCanRepeat())
            return false;
        auto closure = std::make_unique<PatternElement>();
        closure->kind = PatternKind::Closure;
        closure->next = std::move(*m_tailLink);
        *m_tailLink = std::move(closure);
        m_tailLink = &(*m_tailLink)->next;
        m_tailIsOperand = true;
        return true;
    }

    // "x+" is "xx*": a copy of the tail, with its own set, under a closure.
    bool RepeatTailOnceOrMore()
    {
        if (!TailCanRepeat())
            return false;
        const PatternElement& original = *m_tail;
        PatternElement& copy = Append(original.kind);
        copy.literal = original.literal;
        if (original.set)
            copy.set = std::make_unique<ClassSet>(*original.set);
        return RepeatTail();
    }

    PatternElement& Append(PatternKind kind)
    {
        *m_appendLink = std::make_unique<PatternElement>();
        m_tailLink = m_appendLink;
        m_tail = m_appendLink->get();
        m_tail->kind = kind;
        m_tailIsOperand = false;
        m_appendLink = &m_tail->next;
        return *m_tail;
    }

    std::string_view m_pattern;
    char m_delimiter;
    std::size_t m_pos = 0;
    CompiledPattern m_list;
    std::unique_ptr<PatternElement>* m_appendLink;
    std::unique_ptr<PatternElement>* m_tailLink = nullptr;
    PatternElement* m_tail = nullptr;
    bool m_tailIsOperand = false;
};

} // namespace

std::optional<CompiledPattern> CompilePattern(std::string_view pattern, char delimiter)
{
    try {
        return PatternBuilder(pattern, delimiter).Build();
    } catch (const std::bad_alloc&) {
        std::fputs("grep : Out of memory\n", stderr);
        return std::nullopt;
    }
}
