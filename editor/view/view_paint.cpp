// Painting: only the rows inside the clip box are drawn, each in the colour
// slots of its runs; rows above the clip carry the comment state only.
#include "editor/view/marl_view.h"

#include <algorithm>
#include <vector>

#include "editor/doc/marl_doc.h"
#include "editor/view/doc_view_text.h"
#include "editor/view/row_layout.h"
#include "editor/view/slot_colours.h"
#include "editor/view/view_geometry.h"
#include "editor/view/view_settings.h"

SlotColours ColoursOf(ColourSlot slot, const AppSettings& s)
{
    auto pair = [&](ColorItem text, ColorItem back) {
        return SlotColours{s.Color(text).color, s.Color(back).color};
    };
    switch (slot) {
    case ColourSlot::CKeyword:
        return pair(ColorItem::CText, ColorItem::CBk);
    case ColourSlot::CppKeyword:
        return pair(ColorItem::CppText, ColorItem::CppBk);
    case ColourSlot::Preprocessor:
        return pair(ColorItem::Preprocessor, ColorItem::PreprocessorBk);
    case ColourSlot::Comment:
        return pair(ColorItem::Comment, ColorItem::CommentBk);
    case ColourSlot::Marked:
        return pair(ColorItem::Marked, ColorItem::MarkedBk);
    case ColourSlot::Bookmark:
        return pair(ColorItem::Bookmark, ColorItem::BookmarkBk);
    case ColourSlot::Text:
        break;
    }
    return pair(ColorItem::Text, ColorItem::TextBk);
}

namespace {

void FillRect(HDC dc, long long left, int top, long long right, int bottom, COLORREF colour)
{
    left = std::max<long long>(left, -1);
    if (right <= left)
        return;
    RECT area{static_cast<int>(left), top, static_cast<int>(std::min<long long>(right, 0x7FFFFFF)),
              bottom};
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

// Draws the cells of one row: every byte in a cell of the average width,
// tabs filled up to their stop, only the cells that can be seen.
class RowPainter {
public:
    RowPainter(HDC dc, const ViewMetrics& m, int y, int right)
        : m_dc(dc), m_m(m), m_y(y), m_right(right)
    {
    }

    // Draws `text` from display column `column`; returns the column after it.
    std::size_t Draw(std::string_view text, std::size_t column, SlotColours colours)
    {
        SetTextColor(m_dc, colours.text);
        std::size_t segment = 0;
        std::size_t segmentColumn = column;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != '\t') {
                ++column;
                continue;
            }
            DrawCells(text.substr(segment, i - segment), segmentColumn, colours.back);
            if (i == text.size())
                break;
            const std::size_t t = static_cast<std::size_t>(m_m.tabLength);
            const std::size_t next = column - ((column - 1) % t) + t;
            FillRect(m_dc, XOfColumn(m_m, column), m_y, XOfColumn(m_m, next), m_y + m_m.lineHeight,
                     colours.back);
            column = next;
            segment = i + 1;
            segmentColumn = column;
        }
        return column;
    }

private:
    void DrawCells(std::string_view cells, std::size_t column, COLORREF back)
    {
        if (cells.empty())
            return;
        long long x = XOfColumn(m_m, column);
        const int w = m_m.charWidth;
        std::size_t skip = 0;
        if (x < -w)
            skip = static_cast<std::size_t>((-x) / w) - 1;
        if (skip >= cells.size())
            return;
        x += static_cast<long long>(skip) * w;
        if (x >= m_right)
            return;
        std::size_t count = std::min<std::size_t>(cells.size() - skip,
                                                  static_cast<std::size_t>((m_right - x) / w + 1));
        m_dx.assign(count, w);
        RECT area{static_cast<int>(x), m_y, static_cast<int>(x + static_cast<long long>(count) * w),
                  m_y + m_m.lineHeight};
        SetBkColor(m_dc, back);
        ExtTextOutA(m_dc, area.left, m_y, ETO_OPAQUE | ETO_CLIPPED, &area, cells.data() + skip,
                    static_cast<UINT>(count), m_dx.data());
    }

    HDC m_dc;
    const ViewMetrics& m_m;
    int m_y;
    int m_right;
    std::vector<INT> m_dx;
};

} // namespace

void CMarlView::OnDraw(HDC dc)
{
    RECT clip{};
    GetClipBox(dc, &clip);
    Paint(dc, clip);
}

void CMarlView::Paint(HDC dc, const RECT& clip)
{
    if (m_client.right <= m_client.left || m_client.bottom <= m_client.top)
        return;
    CMarlDoc* doc = GetDocument();
    if (!doc)
        return;
    const AppSettings& settings = CurrentAppSettings();
    const COLORREF textBk = settings.Color(ColorItem::TextBk).color;
    fw::SelectGuard selectFont(dc, m_font.get());
    CMarlDoc::TextLock lock(*doc);

    ViewMetrics m;
    m.charWidth = m_nCharWidth;
    m.lineHeight = m_nLineHeight;
    m.tabLength = CurrentOptions().m_nTabLength;
    m.horizontalOffset = m_nHorzOffset;

    RowLayoutSettings layout;
    layout.colouring = m_bColouring;
    layout.showHidden = m_bShowHidden;
    layout.tabLength = m.tabLength;
    const int rowCount = (m_client.bottom + m_nLineHeight - 1) / m_nLineHeight;
    const int firstDrawn = std::max(0, static_cast<int>(clip.top) / m_nLineHeight);
    const int lastDrawn = std::max(0, static_cast<int>(clip.bottom - 1) / m_nLineHeight);
    std::vector<RowContent> rows;
    DocViewText text(doc->Core());
    LayoutRows(text, m_pos, layout, rowCount, firstDrawn, lastDrawn, m_comments, rows);

    SetBkMode(dc, OPAQUE);
    int y = 0;
    for (const RowContent& row : rows) {
        const int bottom = y + m_nLineHeight;
        if (row.drawn) {
            RowPainter painter(dc, m, y, m_client.right);
            std::size_t column = 1;
            for (const ColourRun& run : row.runs)
                column = painter.Draw(std::string_view(row.line.text).substr(run.begin, run.length),
                                      column, ColoursOf(run.slot, settings));
            const ColorItem fill = row.fill == RowFill::Marked     ? ColorItem::MarkedBk
                                   : row.fill == RowFill::Bookmark ? ColorItem::BookmarkBk
                                                                   : ColorItem::TextBk;
            FillRect(dc, XOfColumn(m, column), y, m_client.right, bottom,
                     settings.Color(fill).color);
            if (m_nHorzOffset == 0)
                FillRect(dc, 0, y, m_nCharWidth, bottom, textBk);
        }
        y = bottom;
    }
    if (y < m_client.bottom)
        FillRect(dc, 0, y, m_client.right, m_client.bottom, textBk);
    m_bPainted = true;
}
