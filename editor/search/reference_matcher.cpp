#include "editor/search/reference_matcher.h"

#include <string>

namespace {

class ReferenceWalk {
public:
    ReferenceWalk(std::string_view text, std::size_t stepLimit)
        : m_text(text.substr(0, text.find('\0'))), m_stepLimit(stepLimit)
    {
    }

    ReferenceResult Run(const PatternElement* head)
    {
        ReferenceResult result;
        if (m_text.empty()) {
            if (IsEmptyTextMatch(head))
                result.match = MatchSpan{0, 0};
            return result;
        }
        for (std::size_t start = 0; start < m_text.size(); ++start) {
            std::optional<std::size_t> stop = MatchElements(head, start);
            if (m_gaveUp) {
                result.gaveUp = true;
                return result;
            }
            if (stop) {
                result.match = SpanBetween(start, *stop);
                return result;
            }
        }
        return result;
    }

private:
    static bool IsEmptyTextMatch(const PatternElement* head)
    {
        if (head->kind == PatternKind::AtLineEnd)
            return true;
        if (head->kind != PatternKind::AtLineStart)
            return false;
        const PatternElement* second = head->next.get();
        return !second || second->kind == PatternKind::AtLineEnd;
    }

    // The character at pos, with 0 standing for the end of the text.
    unsigned char At(std::size_t pos) const
    {
        return pos < m_text.size() ? static_cast<unsigned char>(m_text[pos]) : 0;
    }

    bool MatchElement(const PatternElement& element, std::size_t pos) const
    {
        unsigned char c = At(pos);
        if (element.kind == PatternKind::AtLineEnd)
            return c == '\n' || c == 0;
        if (c == 0)
            return false;
        switch (element.kind) {
        case PatternKind::Literal:
            return c == element.literal;
        case PatternKind::AnyChar:
            return c != '\n';
        case PatternKind::CharClass:
            return element.set->Contains(c);
        case PatternKind::NegatedClass:
            return !element.set->Contains(c);
        case PatternKind::AtLineStart:
            return pos == 0;
        default:
            return false;
        }
    }

    static bool IsZeroWidth(PatternKind kind)
    {
        return kind == PatternKind::AtLineStart || kind == PatternKind::AtLineEnd;
    }

    // The position behind the match of the list from element on, begun at pos.
    std::optional<std::size_t> MatchElements(const PatternElement* element, std::size_t pos)
    {
        for (; element; element = element->next.get()) {
            if (++m_steps > m_stepLimit) {
                m_gaveUp = true;
                return std::nullopt;
            }
            if (element->kind != PatternKind::Closure) {
                if (!MatchElement(*element, pos))
                    return std::nullopt;
                if (!IsZeroWidth(element->kind))
                    ++pos;
                continue;
            }
            const PatternElement* operand = element->next.get();
            std::size_t floor = pos;
            while (At(pos) != 0 && MatchElement(*operand, pos))
                ++pos;
            const PatternElement* rest = operand->next.get();
            if (!rest)
                return pos;
            for (std::size_t tryAt = pos;; --tryAt) {
                std::optional<std::size_t> stop = MatchElements(rest, tryAt);
                if (stop || m_gaveUp)
                    return stop;
                if (tryAt == floor)
                    return std::nullopt;
            }
        }
        return pos;
    }

    std::string_view m_text;
    std::size_t m_stepLimit;
    std::size_t m_steps = 0;
    bool m_gaveUp = false;
};

} // namespace

ReferenceResult ReferenceMatch(std::string_view text, const CompiledPattern& list,
                               std::size_t stepLimit)
{
    if (list.Empty())
        return {};
    return ReferenceWalk(text, stepLimit).Run(list.Head());
}
