#include "editor/view/print_gdi_surface.h"

#include <climits>

#include "editor/view/slot_colours.h"
#include "framework/handles.h"

namespace {

int Length(std::string_view text)
{
    return text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
}

bool IsKeyword(ColourSlot slot)
{
    return slot == ColourSlot::CKeyword || slot == ColourSlot::CppKeyword;
}

} // namespace

GdiPrintSurface::GdiPrintSurface(HDC out, HDC measure, PrintFonts fonts, bool colour,
                                 const AppSettings& settings, int ruleWidth)
    : m_out(out), m_measure(measure), m_fonts(fonts), m_bColour(colour), m_settings(settings),
      m_nRuleWidth(ruleWidth), m_outSaved(SaveDC(out)),
      m_measureSaved(measure != out ? SaveDC(measure) : 0)
{
    SelectObject(m_out, m_fonts.body);
    if (m_measureSaved)
        SelectObject(m_measure, m_fonts.body);
    SetBkMode(m_out, TRANSPARENT);
    SetTextColor(m_out, RGB(0, 0, 0));
    SetTextAlign(m_out, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

GdiPrintSurface::~GdiPrintSurface()
{
    if (m_measureSaved)
        RestoreDC(m_measure, m_measureSaved);
    RestoreDC(m_out, m_outSaved);
}

HFONT GdiPrintSurface::FontOf(ColourSlot slot) const
{
    return IsKeyword(slot) && m_fonts.keyword ? m_fonts.keyword : m_fonts.body;
}

int GdiPrintSurface::TextWidth(std::string_view text, ColourSlot slot)
{
    if (text.empty())
        return 0;
    const HFONT font = FontOf(slot);
    if (font != m_fonts.body)
        SelectObject(m_measure, font);
    SIZE size{};
    GetTextExtentPoint32A(m_measure, text.data(), Length(text), &size);
    if (font != m_fonts.body)
        SelectObject(m_measure, m_fonts.body);
    return size.cx;
}

void GdiPrintSurface::DrawText(int x, int y, std::string_view text, ColourSlot slot)
{
    const HFONT font = FontOf(slot);
    if (font != m_fonts.body)
        SelectObject(m_out, font);
    if (m_bColour)
        SetTextColor(m_out, ColoursOf(slot, m_settings).text);
    TextOutA(m_out, x, y, text.data(), Length(text));
    if (font != m_fonts.body)
        SelectObject(m_out, m_fonts.body);
}

void GdiPrintSurface::DrawRule(int y, int width)
{
    const fw::Pen pen(CreatePen(PS_SOLID, m_nRuleWidth, RGB(0, 0, 0)));
    const fw::SelectGuard select(m_out, pen.get());
    MoveToEx(m_out, 0, y, nullptr);
    LineTo(m_out, width, y);
}
