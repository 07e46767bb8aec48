// The editor window's printing: the print and print preview commands, and
// the print client the framework's print loop and preview call, with the
// printer fonts, the page layout and the page starts of one job.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/view/comment_walk.h"
#include "editor/view/print_layout.h"
#include "framework/command_target.h"
#include "framework/handles.h"
#include "framework/print.h"
#include "framework/print_preview.h"

class CMarlView;

// Expands the placeholders of a header or footer text for one page.  The
// application installs it; without one the texts print as they are.
using PageTextExpander =
    std::function<std::string(std::string_view text, const CMarlView& view, int page)>;
void SetPageTextExpander(PageTextExpander expander);

class ViewPrinting final : public fw::PrintClient {
public:
    explicit ViewPrinting(CMarlView& view) : m_view(view) {}
    ViewPrinting(const ViewPrinting&) = delete;
    ViewPrinting& operator=(const ViewPrinting&) = delete;
    ~ViewPrinting() override;

    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui);

    bool OnPreparePrinting(fw::PrintInfo& info) override;
    void OnBeginPrinting(HDC printer, fw::PrintInfo& info) override;
    void OnPrint(HDC dc, fw::PrintInfo& info) override;
    void OnEndPrinting(fw::PrintInfo& info) override;

    // The preview window of this editor window (open or not).
    fw::PrintPreviewWnd& Preview() { return m_preview; }
    // The last job's page starts and layout, for tests.
    const std::vector<PrintPageStart>& Pages() const { return m_pages; }
    const std::optional<PrintLayout>& Layout() const { return m_layout; }
    bool IsColourPrinting() const { return m_bColour; }

private:
    void OnFilePrint();
    void OnPrintPreview();
    void CreateFonts(HDC printer, bool preview);
    PrintStyle StyleFor(HDC printer) const;

    CMarlView& m_view;
    fw::Font m_font;        // the screen font scaled to the printer
    fw::Font m_keywordFont; // or none
    std::optional<PrintLayout> m_layout;
    PrintRange m_range;
    std::vector<PrintPageStart> m_pages;
    bool m_bColour = false;
    TopCommentTracker m_comments;
    fw::PrintPreviewWnd m_preview; // last: it ends its job through this object
};
