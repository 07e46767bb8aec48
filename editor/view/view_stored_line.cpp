// Command 119: the caret goes to the start of the line the document was
// told to show (by the search results window), as Jump to line does.
#include "editor/view/marl_view.h"

#include <algorithm>

#include "editor/doc/marl_doc.h"

void CMarlView::OnGotoStoredLine()
{
    MarlDocCore& text = Text();
    // Line 0 and 1 both mean the first line; past the end, the last line.
    const long line = std::max(1L, GetDocument()->m_nStoredLine);
    const long below = std::min<long>(line - 1, text.GetLineCount());
    SetSelection(kNoPos, kNoPos);
    SetCaret(text.MoveLines(0, static_cast<int>(below)));
}
