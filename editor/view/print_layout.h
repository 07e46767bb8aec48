// The printed page: where the header, the body lines and the footer go, and
// the one procedure that both paginates a job and draws its pages, so that
// the page breaks seen when counting are the ones printed.
#pragma once
#include "editor/doc/text_pos.h"
#include "editor/view/colour_slot.h"
#include "editor/view/view_text.h"

#include <string>
#include <string_view>
#include <vector>

// What the procedure measures and draws on: a printer, a preview, a test.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;
    // Width of `text` (no tabs in it) in the font of `slot`.
    virtual int TextWidth(std::string_view text, ColourSlot slot) = 0;
    // Draws `text` (no tabs) with its top left corner at (x, y).
    virtual void DrawText(int x, int y, std::string_view text, ColourSlot slot) = 0;
    // A horizontal rule across the page at y, from x = 0 to x = width.
    virtual void DrawRule(int y, int width) = 0;
};

enum class PrintAlign { Left = 0, Centre = 1, Right = 2 };

// How a job draws its lines: in colours, and keywords in a font of their own.
struct PrintStyle {
    bool colour = false;
    bool keywordFont = false;
    bool Styled() const { return colour || keywordFont; }
};
// Colours need a coloured view, a printer of more than two colours
// (`printerColours` < 0: more than the count can say) and the use-colour
// option; the keyword font a coloured view and one of bold, italic or
// underline.
PrintStyle ChoosePrintStyle(bool viewColouring, int printerColours, bool useColour, bool bold,
                            bool italic, bool underline);

struct PrintSetup {
    int lineHeight = 1;  // L: the printer font's character height
    int width = 0;       // W: printable width in device units
    int height = 0;      // H: printable height
    int tabWidth = 1;    // TabLength times the average character width
    bool header = false; // a header text is set (the texts decide, not their expansions)
    bool footer = false;
    PrintAlign headerAlign = PrintAlign::Left;
    PrintAlign footerAlign = PrintAlign::Centre;
    bool lineNumbers = false;
    bool styled = false; // drawn in colouring runs (colours or the keyword font)
};

// The whole document, or a selection: from `start` to the end of the line
// holding `selectionEnd`.
struct PrintRange {
    TextPos start = 0;
    TextPos selectionEnd = kNoPos; // kNoPos: print to the end of the text
};

// Where a page starts: its position, the one-based number of the line that
// holds it, and whether it continues a wrapped line.
struct PrintPageStart {
    TextPos pos = 0;
    long line = 1;
    bool continuation = false;

    friend bool operator==(const PrintPageStart&, const PrintPageStart&) = default;
};

class PrintLayout {
public:
    explicit PrintLayout(const PrintSetup& setup);

    const PrintSetup& Setup() const { return m_setup; }
    // P: the page height less the header's and the footer's two lines each.
    int BodyHeight() const { return m_bodyHeight; }
    int BodyTop() const { return m_setup.header ? 2 * L() : 0; }
    // Whether a body line fits at y.
    bool LineFits(int y) const { return y + L() < m_bodyHeight - 2 * L(); }
    int HeaderRuleY() const { return L() + L() / 2; }
    int FooterRuleY() const { return m_bodyHeight - 2 * L() + L() / 2; }
    int FooterY() const { return m_bodyHeight - L(); }

    // Width of `text` with its tabs expanded at the tab width.
    int TabbedWidth(PrintSurface& surface, std::string_view text) const;
    // Draws `text` from x with tabs expanded, the stops counted from
    // `origin`; returns the x after it.
    int DrawTabbed(PrintSurface& surface, int x, int y, std::string_view text, ColourSlot slot,
                   int origin) const;
    // How many bytes of `rest` go on a body line that begins with `prefix`:
    // as many as fit the width, and one at least, so that every body line
    // moves on however narrow the page.
    std::size_t FitCount(PrintSurface& surface, std::string_view prefix,
                         std::string_view rest) const;

    // The page's header and footer with their rules; empty texts draw nothing.
    void DrawFrame(PrintSurface& surface, std::string_view header, std::string_view footer) const;

private:
    int L() const { return m_setup.lineHeight; }
    int NextStop(int x) const;
    int AlignedX(PrintSurface& surface, std::string_view text, PrintAlign align) const;

    PrintSetup m_setup;
    int m_bodyHeight = 0;
};

struct PrintPageEnd {
    PrintPageStart next; // where the following page starts
    bool done = false;   // the text or the selection ended on this page
    int lines = 0;       // body lines on this page
};

// Lays out the body lines of the page starting at `start`; with `draw` it
// also draws them.  `inComment` is the block-comment state at the start
// (used when the setup is styled).
PrintPageEnd RunPrintPage(const ViewText& text, const PrintRange& range, const PrintLayout& layout,
                          const PrintPageStart& start, PrintSurface& surface, bool draw,
                          bool inComment = false);

// The start of every page of the job; never empty: an empty text or
// selection still makes one page (with its header and footer).
std::vector<PrintPageStart> PaginateForPrint(const ViewText& text, const PrintRange& range,
                                             const PrintLayout& layout, PrintSurface& surface);

// The one-based number of the line holding pos.
long LineNumberAt(const ViewText& text, TextPos pos);
