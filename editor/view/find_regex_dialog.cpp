#include "editor/view/find_regex_dialog.h"

#include "editor/res/view_search_ids.h"
#include "editor/view/marl_view.h"

namespace {

// The process's one dialog, its mode and the view that owns it.
struct OpenDialog {
    std::unique_ptr<CFindRegexDialog> dialog;
    // A dialog that closed while telling its owner so: it goes with the
    // next Open or Close, once the platform is done with it.
    std::unique_ptr<CFindRegexDialog> retired;
    bool replace = false;
    CMarlView* owner = nullptr;
};

OpenDialog& Dialog()
{
    static OpenDialog open;
    return open;
}

} // namespace

CFindRegexDialog* CFindRegexDialog::Open(CMarlView& view, bool replace, const std::string& findWhat)
{
    Close();
    Dialog().retired.reset();
    auto dialog = std::make_unique<CFindRegexDialog>();
    fw::FindReplaceDialog::Options options;
    options.owner = view.GetHwnd();
    options.replace = replace;
    options.findWhat = findWhat;
    options.flags = FR_DOWN;
    options.templateId = replace ? IDD_REPLACE_REGEX : IDD_FIND_REGEX;
    if (!dialog->Create(options))
        return nullptr;
    Dialog().dialog = std::move(dialog);
    Dialog().replace = replace;
    Dialog().owner = &view;
    return Dialog().dialog.get();
}

CFindRegexDialog* CFindRegexDialog::Current()
{
    return Dialog().dialog.get();
}

bool CFindRegexDialog::IsReplaceMode()
{
    return Dialog().replace;
}

CMarlView* CFindRegexDialog::Owner()
{
    return Dialog().owner;
}

void CFindRegexDialog::Close(bool destroyWindow)
{
    OpenDialog& open = Dialog();
    open.retired = std::move(open.dialog);
    open.replace = false;
    open.owner = nullptr;
    if (!open.retired || !destroyWindow)
        return;
    // Closed the way its Cancel button closes it, so that the platform ends
    // it in its own order.
    if (HWND window = open.retired->GetHwnd())
        SendMessageA(window, WM_CLOSE, 0, 0);
    open.retired->Destroy();
}

void CFindRegexDialog::OnInitDialog()
{
    m_bRegularExpression = false;
}

bool CFindRegexDialog::OnCommand(int id, int code, HWND control)
{
    if (id != IDC_REGULAR_EXPRESSION || code != BN_CLICKED)
        return false;
    m_bRegularExpression = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return false; // the platform's own handling goes on
}
