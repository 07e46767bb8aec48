// Insert file: another file's text at the caret, which stays in front of it.
#include "editor/view/marl_view.h"

#include <vector>

#include "editor/doc/marl_doc.h"
#include "framework/common_dialogs.h"
#include "resource.h"

namespace {

// The order users know from the dialog.
const std::vector<fw::FileFilter> kInsertFilters{
    {"C/C++ Source", "*.c;*.cpp"},  {"Headers", "*.h"},
    {"Resource Scripts", "*.rc;*.dlg"}, {"Module Definitions", "*.def"},
    {"Make Files", "*.mak"},        {"Ini Files", "*.ini"},
    {"Text files", "*.txt;*.doc"},  {"All Files", "*.*"},
};

} // namespace

void CMarlView::OnInsertFile()
{
    if (IsReadOnly())
        return;
    fw::FileDialogOptions options;
    options.owner = m_hWnd;
    options.filter = fw::MakeFilterList(kInsertFilters);
    options.bufferSize = 4096;
    options.mustExist = true;
    const fw::FileDialogResult chosen = fw::ShowOpenDialog(options);
    if (!chosen)
        return;
    const TextPos caret = m_pos.caret;
    {
        CMarlDoc::TextLock lock(*GetDocument());
        // An unreadable file is reported by the document and changes nothing.
        Text().InsertFile(caret, chosen.paths.front(), static_cast<int>(m_pos.caretLine));
    }
    GetDocument()->SyncModified();
    SetSelection(kNoPos, kNoPos);
    SetCaret(caret);
}
