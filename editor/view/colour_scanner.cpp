#include "editor/view/colour_scanner.h"

#include "editor/view/keyword_tables.h"

#include <cstdint>

bool IsScannerWordChar(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '#' || c == '_';
}

namespace {

// Collects the pending text (always a contiguous range of the line) and
// hands finished runs to the output.
class RunWriter {
public:
    explicit RunWriter(std::vector<ColourRun>* runs) : m_runs(runs) {}

    void Extend(std::size_t end) { m_end = end; }
    // Draws the pending text in `slot` and starts a new one at its end.
    void Flush(ColourSlot slot)
    {
        if (m_end > m_begin && m_runs) {
            m_runs->push_back({static_cast<std::uint32_t>(m_begin),
                               static_cast<std::uint32_t>(m_end - m_begin), slot});
        }
        m_begin = m_end;
    }
    void Emit(std::size_t begin, std::size_t end, ColourSlot slot)
    {
        m_end = begin;
        Flush(ColourSlot::Text);
        m_end = end;
        Flush(slot);
    }

private:
    std::vector<ColourRun>* m_runs;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
};

// One pass of the scanner; `runs` may be null when only the state matters.
bool Scan(std::string_view line, bool inComment, std::vector<ColourRun>* runs)
{
    auto at = [&](std::size_t i) -> unsigned char {
        return i < line.size() ? static_cast<unsigned char>(line[i]) : 0;
    };
    RunWriter pending(runs);
    const std::size_t n = line.size();
    std::size_t i = 0;
    while (i < n && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    pending.Extend(i);

    bool inString = false;
    while (i < n) {
        std::size_t wordStart = i;
        while (i < n && IsScannerWordChar(at(i)))
            ++i;
        if (i > wordStart) {
            ColourSlot slot = (inString || inComment)
                                  ? ColourSlot::Text
                                  : KeywordSlot(line.substr(wordStart, i - wordStart));
            if (slot != ColourSlot::Text)
                pending.Emit(wordStart, i, slot);
            else
                pending.Extend(i);
        }

        bool lineComment = false;
        bool boundary = false;
        const std::size_t runStart = i;
        while (i < n && !IsScannerWordChar(at(i))) {
            unsigned char c = at(i);
            if (c == '"' && !inComment) {
                bool escaped = i > 0 && at(i - 1) == '\\';
                bool charQuote = i == runStart && at(i + 1) == '\'';
                if (!escaped && !charQuote)
                    inString = !inString;
                ++i;
            } else if (c == '/' && at(i + 1) == '/' && !inString && !inComment) {
                lineComment = true;
                break;
            } else if (c == '/' && at(i + 1) == '*' && !inString) {
                boundary = true;
                // A "/*" inside a comment keeps the text before it a comment.
                pending.Extend(i);
                pending.Flush(inComment ? ColourSlot::Comment : ColourSlot::Text);
                inComment = true;
                i += 2;
                break;
            } else if (c == '*' && at(i + 1) == '/' && !inString) {
                boundary = true;
                inComment = false;
                i += 2;
                break;
            } else {
                ++i;
            }
        }
        pending.Extend(i);

        if (lineComment) {
            pending.Flush(inComment ? ColourSlot::Comment : ColourSlot::Text);
            pending.Extend(n);
            pending.Flush(ColourSlot::Comment);
            return inComment;
        }
        if (boundary && !inComment)
            pending.Flush(ColourSlot::Comment);
    }
    pending.Extend(n);
    pending.Flush(inComment ? ColourSlot::Comment : ColourSlot::Text);
    return inComment;
}

} // namespace

void ScanColouredLine(std::string_view line, bool& inComment, std::vector<ColourRun>& runs)
{
    runs.clear();
    inComment = Scan(line, inComment, &runs);
}

bool CarryCommentState(std::string_view line, bool inComment)
{
    return Scan(line, inComment, nullptr);
}
