// CPrintOptions: the settings of the "Print" option page, kept alive for the
// whole run as the program's store of them. A new object holds the values an
// empty profile gives.
#pragma once
#include <cstdint>
#include <string>

class CPrintOptions {
public:
    std::string m_strHeader = "$File$    $Date$    $Time$";
    std::string m_strFooter = "-$Page$-";
    std::int32_t m_nHeaderStyle = 0; // 0 left, 1 centre, 2 right
    std::int32_t m_nFooterStyle = 1;
    std::int32_t m_bLineNumbers = 0;
    std::int32_t m_bColorSyntax = 1;
    std::int32_t m_bSyntaxBold = 0;
    std::int32_t m_bSyntaxItalic = 0;
    std::int32_t m_bSyntaxUnderline = 0;

    friend bool operator==(const CPrintOptions&, const CPrintOptions&) = default;
};

// Set for the whole run by the application's settings objects.
extern CPrintOptions* g_pPrintOptions;
