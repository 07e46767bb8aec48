#include "editor/view/view_print.h"

#include <algorithm>
#include <utility>

#include "editor/base/options_print.h"
#include "editor/doc/marl_doc.h"
#include "editor/res/resource.h"
#include "editor/view/doc_view_text.h"
#include "editor/view/marl_view.h"
#include "editor/view/print_gdi_surface.h"
#include "editor/view/view_settings.h"
#include "framework/application.h"
#include "framework/common_dialogs.h"

namespace {

PageTextExpander& Expander()
{
    static PageTextExpander expander;
    return expander;
}

PrintAlign AlignOf(std::int32_t style)
{
    return style == 1 ? PrintAlign::Centre : style == 2 ? PrintAlign::Right : PrintAlign::Left;
}

} // namespace

void SetPageTextExpander(PageTextExpander expander)
{
    Expander() = std::move(expander);
}

ViewPrinting::~ViewPrinting()
{
    m_preview.Close();
}

bool ViewPrinting::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<ViewPrinting> map{
        {ID_FILE_PRINT, &ViewPrinting::OnFilePrint},
        {ID_PRINT_PREVIEW_BUTTON, &ViewPrinting::OnPrintPreview},
    };
    return map.Dispatch(*this, id, code, ui);
}

void ViewPrinting::OnFilePrint()
{
    fw::Application* app = fw::Application::Current();
    if (!app)
        return;
    m_preview.Close();
    if (fw::RunPrintJob(app->GetMainWnd(), *this, app->GetPrinter()) == fw::PrintResult::NoPrinter)
        MessageBeep(MB_ICONEXCLAMATION);
}

void ViewPrinting::OnPrintPreview()
{
    fw::Application* app = fw::Application::Current();
    if (!app || m_preview.IsOpen())
        return;
    // The preview takes the place of the frame's child that holds this window.
    const HWND frame = GetAncestor(m_view.GetHwnd(), GA_ROOT);
    HWND area = m_view.GetHwnd();
    while (GetParent(area) && GetParent(area) != frame)
        area = GetParent(area);
    const bool opened = m_preview.Open(frame, area, *this, app->GetPrinter(), [frame] {
        PostMessageA(frame, WM_COMMAND, ID_FILE_PRINT, 0);
    });
    if (!opened)
        MessageBeep(MB_ICONEXCLAMATION);
}

bool ViewPrinting::OnPreparePrinting(fw::PrintInfo& info)
{
    info.m_bSelectionEnabled = m_view.HasSelection();
    // A print request of the shell goes to the default printer unasked.
    const fw::Application* app = fw::Application::Current();
    if (app && app->IsShellPrinting() && !info.m_bDirect)
        info.m_bDirect = true;
    if (const CMarlDoc* doc = m_view.GetDocument())
        info.m_strDocName = doc->GetPathName().empty() ? doc->GetTitle() : doc->GetPathName();
    return true;
}

PrintStyle ViewPrinting::StyleFor(HDC printer) const
{
    const CPrintOptions& options = CurrentPrintOptions();
    return ChoosePrintStyle(m_view.IsColouring(), GetDeviceCaps(printer, NUMCOLORS),
                            options.m_bColorSyntax != 0, options.m_bSyntaxBold != 0,
                            options.m_bSyntaxItalic != 0, options.m_bSyntaxUnderline != 0);
}

void ViewPrinting::CreateFonts(HDC printer, bool preview)
{
    LOGFONTA font{};
    GetObjectA(m_view.GetFont(), sizeof font, &font);
    int points = 10;
    bool raster = false;
    {
        fw::ClientDC screen(m_view.GetHwnd());
        fw::SelectGuard select(screen.get(), m_view.GetFont());
        TEXTMETRICA tm{};
        GetTextMetricsA(screen.get(), &tm);
        const int dpi = std::max(1, GetDeviceCaps(screen.get(), LOGPIXELSY));
        points = (tm.tmHeight - tm.tmInternalLeading) * 72 / dpi;
        raster = (tm.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) == 0;
    }
    // The screen cannot shrink a bitmap face to preview size; a printer
    // puts its own face in its place anyway, so the preview takes a
    // scalable one of the same width.
    if (preview && raster) {
        lstrcpynA(font.lfFaceName, "Courier New", LF_FACESIZE);
        font.lfWidth = 0;
        font.lfOutPrecision = OUT_TT_PRECIS;
    }
    font.lfHeight = -(points * GetDeviceCaps(printer, LOGPIXELSY) / 72);
    m_font = fw::Font(CreateFontIndirectA(&font));
    m_keywordFont = fw::Font();
    if (StyleFor(printer).keywordFont) {
        const CPrintOptions& options = CurrentPrintOptions();
        if (options.m_bSyntaxBold)
            font.lfWeight = FW_BOLD;
        font.lfItalic = options.m_bSyntaxItalic ? TRUE : FALSE;
        font.lfUnderline = options.m_bSyntaxUnderline ? TRUE : FALSE;
        m_keywordFont = fw::Font(CreateFontIndirectA(&font));
    }
}

void ViewPrinting::OnBeginPrinting(HDC printer, fw::PrintInfo& info)
{
    CreateFonts(printer, info.m_bPreview);
    const CPrintOptions& options = CurrentPrintOptions();
    TEXTMETRICA tm{};
    {
        fw::SelectGuard select(printer, m_font.get());
        GetTextMetricsA(printer, &tm);
    }
    m_bColour = StyleFor(printer).colour;

    PrintSetup setup;
    setup.lineHeight = std::max<int>(1, tm.tmHeight);
    setup.width = info.m_rectDraw.right - info.m_rectDraw.left;
    setup.height = info.m_rectDraw.bottom - info.m_rectDraw.top;
    setup.tabWidth = std::max<int>(1, CurrentOptions().m_nTabLength * tm.tmAveCharWidth);
    setup.header = !options.m_strHeader.empty();
    setup.footer = !options.m_strFooter.empty();
    setup.headerAlign = AlignOf(options.m_nHeaderStyle);
    setup.footerAlign = AlignOf(options.m_nFooterStyle);
    setup.lineNumbers = options.m_bLineNumbers != 0;
    setup.styled = StyleFor(printer).Styled();
    m_layout.emplace(setup);

    m_range = PrintRange{};
    if (info.m_bSelection && m_view.HasSelection()) {
        m_range.start = std::min(m_view.GetSelStart(), m_view.GetSelEnd());
        m_range.selectionEnd = std::max(m_view.GetSelStart(), m_view.GetSelEnd());
    }
    m_comments.Reset();
    CMarlDoc* doc = m_view.GetDocument();
    if (!doc) {
        m_pages.assign(1, PrintPageStart{});
    } else {
        CMarlDoc::TextLock lock(*doc);
        DocViewText text(doc->Core());
        GdiPrintSurface surface(printer, printer, {m_font.get(), m_keywordFont.get()}, false,
                                CurrentAppSettings(), 1);
        m_pages = PaginateForPrint(text, m_range, *m_layout, surface);
    }
    info.m_nMaxPage = static_cast<UINT>(m_pages.size());
}

void ViewPrinting::OnPrint(HDC dc, fw::PrintInfo& info)
{
    CMarlDoc* doc = m_view.GetDocument();
    if (!doc || !m_layout || info.m_nCurPage < 1 || info.m_nCurPage > m_pages.size())
        return;
    const int page = static_cast<int>(info.m_nCurPage);
    const CPrintOptions& options = CurrentPrintOptions();
    const PageTextExpander& expand = Expander();
    const std::string header =
        expand ? expand(options.m_strHeader, m_view, page) : options.m_strHeader;
    const std::string footer =
        expand ? expand(options.m_strFooter, m_view, page) : options.m_strFooter;

    CMarlDoc::TextLock lock(*doc);
    DocViewText text(doc->Core());
    PrintPageStart start = m_pages[static_cast<std::size_t>(page - 1)];
    start.pos = std::min(start.pos, text.Length());
    const bool inComment = m_layout->Setup().styled && m_comments.StateAt(text, start.pos);
    const HDC measure = info.m_hAttribDC ? info.m_hAttribDC : dc;
    GdiPrintSurface surface(dc, measure, {m_font.get(), m_keywordFont.get()}, m_bColour,
                            CurrentAppSettings(), std::max(1, m_layout->Setup().lineHeight / 12));
    m_layout->DrawFrame(surface, header, footer);
    RunPrintPage(text, m_range, *m_layout, start, surface, true, inComment);
}

void ViewPrinting::OnEndPrinting(fw::PrintInfo&)
{
    m_font = fw::Font();
    m_keywordFont = fw::Font();
}
