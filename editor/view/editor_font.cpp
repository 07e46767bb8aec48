#include "editor/view/editor_font.h"

LOGFONTA EditorFont(const AppSettings& settings)
{
    LOGFONTA font{};
    font.lfHeight = settings.m_nFontHeight;
    font.lfWeight = settings.m_nFontWeight;
    font.lfCharSet = static_cast<BYTE>(settings.m_nCharset);
    font.lfPitchAndFamily = static_cast<BYTE>(settings.m_nFontFamily);
    lstrcpynA(font.lfFaceName, settings.m_strFontName.c_str(), LF_FACESIZE);
    return font;
}
