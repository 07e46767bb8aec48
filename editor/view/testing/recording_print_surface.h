// A print surface of fixed-pitch cells that records what is drawn, for the
// tests and benchmarks of the print layout.
#pragma once
#include "editor/view/print_layout.h"

#include <map>
#include <string>
#include <vector>

class RecordingPrintSurface : public PrintSurface {
public:
    struct Drawn {
        int x = 0;
        int y = 0;
        std::string text;
        ColourSlot slot = ColourSlot::Text;
    };

    explicit RecordingPrintSurface(int charWidth = 10) : m_charWidth(charWidth) {}

    int TextWidth(std::string_view text, ColourSlot) override
    {
        return static_cast<int>(text.size()) * m_charWidth;
    }
    void DrawText(int x, int y, std::string_view text, ColourSlot slot) override
    {
        m_drawn.push_back({x, y, std::string(text), slot});
    }
    void DrawRule(int y, int width) override { m_rules.push_back({y, width}); }

    // Each drawn row as text, a cell per character width, blanks between
    // the pieces: {y, "12  text"}.
    std::map<int, std::string> Rows() const
    {
        std::map<int, std::string> rows;
        for (const Drawn& d : m_drawn) {
            std::string& row = rows[d.y];
            const std::size_t column = static_cast<std::size_t>(d.x / m_charWidth);
            if (row.size() < column)
                row.resize(column, ' ');
            row.replace(column, d.text.size(), d.text);
        }
        return rows;
    }
    void Clear()
    {
        m_drawn.clear();
        m_rules.clear();
    }

    std::vector<Drawn> m_drawn;
    std::vector<std::pair<int, int>> m_rules; // y, width
    int m_charWidth;
};
