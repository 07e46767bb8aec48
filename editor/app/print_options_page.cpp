#include "editor/app/print_options_page.h"

#include "editor/res/resource.h"

namespace {

constexpr const char* kStyles[] = {"Left", "Center", "Right"};

// The settings keep their flags as 0 or nonzero integers.
void CheckFlag(fw::DataExchange& dx, int id, std::int32_t& flag)
{
    bool checked = flag != 0;
    dx.Check(id, checked);
    if (dx.IsSaving())
        flag = checked ? 1 : 0;
}

void StyleIndex(fw::DataExchange& dx, int id, std::int32_t& style)
{
    int index = style >= 0 && style <= 2 ? style : 0;
    dx.ComboIndex(id, index);
    if (dx.IsSaving())
        style = index;
}

} // namespace

CPrintOptionsPage::CPrintOptionsPage(const CPrintOptions& options)
    : fw::PropertyPage(IDD_PRINT_OPTIONS), m_options(options)
{
}

BOOL CPrintOptionsPage::OnInitDialog()
{
    for (int id : {IDC_PRINT_HEADER_STYLE, IDC_PRINT_FOOTER_STYLE})
        for (const char* style : kStyles)
            SendDlgItemMessageA(m_hWnd, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(style));
    return fw::PropertyPage::OnInitDialog();
}

void CPrintOptionsPage::DoDataExchange(fw::DataExchange& dx)
{
    dx.Text(IDC_PRINT_HEADER, m_options.m_strHeader);
    StyleIndex(dx, IDC_PRINT_HEADER_STYLE, m_options.m_nHeaderStyle);
    dx.Text(IDC_PRINT_FOOTER, m_options.m_strFooter);
    StyleIndex(dx, IDC_PRINT_FOOTER_STYLE, m_options.m_nFooterStyle);
    CheckFlag(dx, IDC_PRINT_LINE_NUMBERS, m_options.m_bLineNumbers);
    CheckFlag(dx, IDC_PRINT_COLOR, m_options.m_bColorSyntax);
    CheckFlag(dx, IDC_PRINT_BOLD, m_options.m_bSyntaxBold);
    CheckFlag(dx, IDC_PRINT_ITALIC, m_options.m_bSyntaxItalic);
    CheckFlag(dx, IDC_PRINT_UNDERLINE, m_options.m_bSyntaxUnderline);
}
