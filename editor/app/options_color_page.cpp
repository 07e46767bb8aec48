#include "editor/app/options_color_page.h"

#include "editor/res/resource.h"
#include "framework/controls.h"
#include "framework/handles.h"

CColor::CColor(AppSettings& app)
    : fw::PropertyPage(IDD_OPTIONS_COLORS), m_app(app), m_choice(app.m_Colors),
      m_bColorMode(app.m_bColorMode != 0)
{
}

BOOL CColor::OnInitDialog()
{
    fw::PropertyPage::OnInitDialog();
    const fw::ListBoxControl items(GetItem(IDC_COLOR_ITEMS));
    for (const char* name : kColorItemNames)
        items.AddString(name);
    items.SetCurSel(0);
    m_choice.SelectItem(0);
    return TRUE;
}

void CColor::DoDataExchange(fw::DataExchange& dx)
{
    dx.Check(IDC_COLOR_MODE, m_bColorMode);
}

bool CColor::OnCommand(int id, int code, HWND)
{
    if (id == IDC_COLOR_ITEMS) {
        if (code == LBN_SELCHANGE) {
            m_choice.SelectItem(fw::ListBoxControl(GetItem(IDC_COLOR_ITEMS)).GetCurSel());
            Redraw();
        }
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_COLOR_RESET)
        m_choice.Reset();
    else if (id == IDC_COLOR_RESET_ALL)
        m_choice.ResetAll();
    else if (!m_choice.Choose(id))
        return false;
    Redraw();
    return true;
}

void CColor::Redraw() const
{
    for (int id = IDC_COLOR_FIRST_SWATCH; id <= IDC_COLOR_LAST_SWATCH; ++id)
        InvalidateRect(GetItem(id), nullptr, FALSE);
    InvalidateRect(GetItem(IDC_COLOR_SAMPLE), nullptr, FALSE);
}

INT_PTR CColor::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DRAWITEM) {
        Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return SetMsgResult(TRUE);
    }
    return fw::PropertyPage::DialogProc(msg, wParam, lParam);
}

void CColor::Draw(const DRAWITEMSTRUCT& item) const
{
    const HDC dc = item.hDC;
    RECT box = item.rcItem;
    const int id = static_cast<int>(item.CtlID);
    if (id == IDC_COLOR_SAMPLE) {
        fw::Brush back(CreateSolidBrush(ColorFromCode(m_choice.BackCode())));
        FillRect(dc, &box, back.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorFromCode(m_choice.TextCode()));
        DrawTextA(dc, kColorSampleText, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    // The swatch's frame: thick and black when the item has this colour.
    const bool chosen = m_choice.IsHighlighted(id);
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(chosen ? BLACK_BRUSH : GRAY_BRUSH)));
    InflateRect(&box, chosen ? -3 : -1, chosen ? -3 : -1);
    if (chosen) {
        FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        InflateRect(&box, -1, -1);
    }
    fw::Brush fill(CreateSolidBrush(ColorFromCode(id)));
    FillRect(dc, &box, fill.get());
}

void CColor::OnApply()
{
    m_choice.StoreInto(m_app.m_Colors);
    m_app.m_bColorMode = m_bColorMode ? 1 : 0;
}
