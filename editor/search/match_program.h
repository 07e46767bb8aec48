// The element list flattened for matching: a closure and its operand become
// one step, and every character element becomes a table over all 256 bytes
// with the case folding of an ignore-case search built in.  The program also
// knows the literal bytes a match must begin with or contain, which lets the
// matcher skip hopeless lines and start positions.
#pragma once
#include "editor/search/compiled_pattern.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum class StepKind : std::uint8_t { Char, Star, LineStart, LineEnd };

struct MatchStep {
    StepKind kind = StepKind::Char;
    std::array<bool, 256> accepts{}; // Char and Star: the bytes taken
    std::int16_t singleByte = -1;    // a Char step that takes one known byte
};

class MatchProgram {
public:
    // foldCase: the text is matched as though A to Z were lower case.
    MatchProgram(const CompiledPattern& list, bool foldCase);

    const std::vector<MatchStep>& Steps() const { return m_steps; }
    bool AnchoredAtStart() const { return m_anchored; }
    // Only '$', '^' and '^$' match a text with no characters.
    bool MatchesEmptyText() const { return m_matchesEmptyText; }
    // The bytes every match begins with; the whole pattern when IsLiteral.
    const std::string& LeadingLiteral() const { return m_leadingLiteral; }
    bool IsLiteral() const { return m_isLiteral; }
    // Byte strings every match contains, longest first.
    const std::vector<std::string>& RequiredLiterals() const { return m_requiredLiterals; }

private:
    void FindLiterals();

    std::vector<MatchStep> m_steps;
    bool m_anchored = false;
    bool m_matchesEmptyText = false;
    bool m_isLiteral = false;
    std::string m_leadingLiteral;
    std::vector<std::string> m_requiredLiterals;
};
