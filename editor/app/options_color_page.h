// The "Colors" option page: text and background colour of each colour item,
// picked from two groups of owner-drawn swatches, with a sample of the
// selected item, and syntax colouring on or off. OK hands them to the
// application.
#pragma once
#include <windows.h>

#include "editor/app/options_page_models.h"
#include "editor/base/settings_app.h"
#include "framework/property_sheet.h"

inline constexpr const char* kColorSampleText = "- Sample Text -";

class CColor : public fw::PropertyPage {
public:
    explicit CColor(AppSettings& app);

    const ColorChoice& Choice() const { return m_choice; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnApply() override;
    INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Redraw() const;
    void Draw(const DRAWITEMSTRUCT& item) const;

    AppSettings& m_app;
    ColorChoice m_choice;
    bool m_bColorMode;
};
