// The settings the application object keeps: the editor font, the bar flags,
// syntax colouring, the colours and the mail flag. A new object holds the
// values an empty profile gives.
#pragma once
#include "editor/base/settings_colors.h"

#include <cstdint>
#include <string>

struct AppSettings {
    // The editor font; charset and family are used as bytes.
    std::string m_strFontName = "Fixedsys";
    std::int32_t m_nFontHeight = -12;
    std::int32_t m_nFontWeight = 400;
    std::int32_t m_nCharset = 0;
    std::int32_t m_nFontFamily = 1;

    // ToolBar and StatusBar are kept and written back; both bars always show.
    std::int32_t m_bToolBar = 1;
    std::int32_t m_bToolBar2 = 1;
    std::int32_t m_bStatusBar = 1;
    std::int32_t m_bOpenDlg = 1;
    std::int32_t m_bTabBar = 1;

    std::int32_t m_bColorMode = 1;
    ColorEntries m_Colors = DefaultColorEntries();

    // Mail/MAPI of the system profile: the Send commands are offered.
    std::int32_t m_bMail = 0;

    friend bool operator==(const AppSettings&, const AppSettings&) = default;

    ColorEntry& Color(ColorItem item) { return m_Colors[static_cast<int>(item)]; }
    const ColorEntry& Color(ColorItem item) const { return m_Colors[static_cast<int>(item)]; }
};
