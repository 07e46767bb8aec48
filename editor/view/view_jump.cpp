#include "editor/view/view_jump.h"

#include "editor/doc/doc_search.h"
#include "editor/doc/marl_doc.h"
#include "editor/view/jump_dialog.h"
#include "editor/view/marl_view.h"
#include "resource.h"

#include <algorithm>

bool ViewJump::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<ViewJump> map{
        {ID_GOTO_LINE, &ViewJump::OnJumpToLine},
        {ID_LAST_EDIT, &ViewJump::OnLastEdit},
        {ID_LAST_EDIT, &ViewJump::OnUpdateLastEdit},
        {ID_PARAGRAPH_PREVIOUS, ID_PARAGRAPH_NEXT, &ViewJump::OnParagraph},
    };
    return map.Dispatch(*this, id, code, ui);
}

void ViewJump::OnJumpToLine()
{
    CJumpDialog dialog(m_view.GetCaretLine(), m_view.GetHwnd());
    if (dialog.DoModal() == IDOK)
        m_view.GoToLine(dialog.GetLine());
}

void ViewJump::OnLastEdit()
{
    int line = 0;
    const TextPos pos = m_view.Text().LastEditPosition(line);
    if (pos != kNoPos)
        m_view.SetCaret(std::min(pos, m_view.Text().GetLength()));
}

void ViewJump::OnUpdateLastEdit(fw::CmdUI& ui)
{
    ui.Enable(m_view.Text().CanUndo());
}

void ViewJump::OnParagraph(UINT id)
{
    CMarlDoc::TextLock lock(*m_view.GetDocument());
    const MarlDocCore& text = m_view.Text();
    const TextPos caret = m_view.GetCaret();
    const bool down = id == ID_PARAGRAPH_NEXT;
    TextPos found = SearchText(text, caret, "\n\n", true, false, down);
    // Upward, the empty line the caret is on or just behind is the one
    // being left, not the one to go to.
    if (!down && found != kNoPos && found + 2 >= caret)
        found = found == 0 ? kNoPos : SearchText(text, found - 1, "\n\n", true, false, false);
    m_view.SetSelection(kNoPos, kNoPos);
    if (found != kNoPos)
        m_view.SetCaret(found + 1);
    else
        m_view.SetCaret(down ? text.GetLength() : 0);
}
