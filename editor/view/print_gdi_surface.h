// The print surface of a device context: measures with the printer (also
// while previewing, so that the preview breaks lines where the printer
// will) and draws on the printer or the preview window.
#pragma once
#include <windows.h>

#include "editor/base/settings_app.h"
#include "editor/view/print_layout.h"

struct PrintFonts {
    HFONT body = nullptr;
    HFONT keyword = nullptr; // null: keywords in the body font
};

class GdiPrintSurface final : public PrintSurface {
public:
    // `settings` gives the colours when `colour` is on.
    GdiPrintSurface(HDC out, HDC measure, PrintFonts fonts, bool colour,
                    const AppSettings& settings, int ruleWidth);
    ~GdiPrintSurface() override;
    GdiPrintSurface(const GdiPrintSurface&) = delete;
    GdiPrintSurface& operator=(const GdiPrintSurface&) = delete;

    int TextWidth(std::string_view text, ColourSlot slot) override;
    void DrawText(int x, int y, std::string_view text, ColourSlot slot) override;
    void DrawRule(int y, int width) override;

private:
    HFONT FontOf(ColourSlot slot) const;

    HDC m_out;
    HDC m_measure;
    PrintFonts m_fonts;
    bool m_bColour;
    const AppSettings& m_settings;
    int m_nRuleWidth;
    int m_outSaved;
    int m_measureSaved;
};
