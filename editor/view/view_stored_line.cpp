// Going to a line: Jump to line, command 119 with the line the document was
// told to show (by the search results window) and the outline window's
// message.
#include "editor/view/marl_view.h"

#include <algorithm>

#include "editor/doc/marl_doc.h"
#include "framework/frame_wnd.h"

void CMarlView::OnGotoStoredLine()
{
    GoToLine(GetDocument()->m_nStoredLine);
}

// The outline window's jump: its view's window comes to the front first.
void CMarlView::OnOutlineGotoLine(long line)
{
    if (fw::FrameWnd* frame = GetParentFrame()) {
        const HWND child = frame->GetHwnd();
        if (IsIconic(child))
            ShowWindow(child, SW_RESTORE);
        SendMessageA(GetParent(child), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
    }
    GoToLine(line);
}

void CMarlView::GoToLine(long number)
{
    MarlDocCore& text = Text();
    // Line 0 and 1 both mean the first line; past the end, the last line.
    const long line = std::max(1L, number);
    const long below = std::min<long>(line - 1, text.GetLineCount());
    SetSelection(kNoPos, kNoPos);
    SetCaret(text.MoveLines(0, static_cast<int>(below)));
}
