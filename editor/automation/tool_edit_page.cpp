#include "editor/automation/tool_edit_page.h"

#include <algorithm>

#include "editor/automation/placeholders.h"
#include "editor/res/resource.h"
#include "framework/common_dialogs.h"

namespace {

// The edits and the record field each one writes.
struct FieldEdit {
    int id;
    int limit; // characters the field holds
};
constexpr FieldEdit kFieldEdits[] = {
    {IDC_TOOL_MENU_TEXT, static_cast<int>(kToolMenuTextSize - 1)},
    {IDC_TOOL_COMMAND, static_cast<int>(kToolPathSize - 1)},
    {IDC_TOOL_ARGUMENTS, static_cast<int>(kToolPathSize - 1)},
    {IDC_TOOL_DIRECTORY, static_cast<int>(kToolPathSize - 1)},
};

void SetEntryField(ToolEntry& entry, int id, std::string_view text)
{
    switch (id) {
    case IDC_TOOL_MENU_TEXT:
        SetToolField(entry.menuText, text);
        break;
    case IDC_TOOL_COMMAND:
        SetToolField(entry.command, text);
        break;
    case IDC_TOOL_ARGUMENTS:
        SetToolField(entry.arguments, text);
        break;
    case IDC_TOOL_DIRECTORY:
        SetToolField(entry.directory, text);
        break;
    default:
        break;
    }
}

std::string MenuTextOf(const ToolEntry& entry)
{
    return std::string(ToolField(entry.menuText));
}

} // namespace

CToolEdit::CToolEdit(ToolsMenu& tools) : fw::PropertyPage(IDD_TOOLS), m_tools(tools) {}

fw::ListBoxControl CToolEdit::List() const
{
    return fw::ListBoxControl(GetItem(IDC_TOOL_LIST));
}

BOOL CToolEdit::OnInitDialog()
{
    fw::PropertyPage::OnInitDialog();
    for (const FieldEdit& field : kFieldEdits)
        fw::EditControl(GetItem(field.id)).LimitText(field.limit);
    const ToolTable& table = m_tools.Table();
    for (int i = 0; i < kToolCount && table[i].IsUsed(); ++i)
        List().AddString(MenuTextOf(table[i]));
    Select(ListCount() > 0 ? 0 : -1);
    return TRUE;
}

void CToolEdit::Select(int index)
{
    List().SetCurSel(index);
    ShowEntry(index);
    UpdateMoveButtons();
}

void CToolEdit::ShowEntry(int index)
{
    m_bShowing = true;
    const ToolEntry none{};
    const ToolEntry& entry = index >= 0 ? m_tools.Table()[index] : none;
    SetItemText(IDC_TOOL_MENU_TEXT, MenuTextOf(entry));
    SetItemText(IDC_TOOL_COMMAND, std::string(ToolField(entry.command)));
    SetItemText(IDC_TOOL_ARGUMENTS, std::string(ToolField(entry.arguments)));
    SetItemText(IDC_TOOL_DIRECTORY, std::string(ToolField(entry.directory)));
    CheckItem(IDC_TOOL_ASK, entry.askForArguments != 0);
    m_bShowing = false;
}

void CToolEdit::UpdateMoveButtons()
{
    const int selected = Selected();
    EnableItem(IDC_TOOL_UP, selected > 0);
    EnableItem(IDC_TOOL_DOWN, selected >= 0 && selected + 1 < ListCount());
}

bool CToolEdit::OnCommand(int id, int code, HWND control)
{
    switch (id) {
    case IDC_TOOL_LIST:
        if (code == LBN_SELCHANGE) {
            ShowEntry(Selected());
            UpdateMoveButtons();
        }
        return true;
    case IDC_TOOL_MENU_TEXT:
    case IDC_TOOL_COMMAND:
    case IDC_TOOL_ARGUMENTS:
    case IDC_TOOL_DIRECTORY:
        if (code == EN_CHANGE)
            OnFieldChanged(id);
        return true;
    case IDC_TOOL_ASK:
        if (code == BN_CLICKED)
            OnAskChanged();
        return true;
    case IDC_TOOL_ADD:
        OnAdd();
        return true;
    case IDC_TOOL_DELETE:
        OnDelete();
        return true;
    case IDC_TOOL_UP:
        OnMove(-1);
        return true;
    case IDC_TOOL_DOWN:
        OnMove(+1);
        return true;
    default:
        return fw::PropertyPage::OnCommand(id, code, control);
    }
}

void CToolEdit::OnFieldChanged(int id)
{
    const int selected = Selected();
    if (m_bShowing || selected < 0)
        return;
    std::string text = GetItemText(id);
    if (text.find(';') != std::string::npos) {
        // The stored value separates the fields with ";": a text holding one
        // would come back split.  The edit refuses it, and changes again.
        DWORD caret = 0;
        SendMessageA(GetItem(id), EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
        const auto before =
            std::count(text.begin(), text.begin() + std::min<std::size_t>(caret, text.size()), ';');
        std::erase(text, ';');
        SetItemText(id, text);
        const auto at = static_cast<WPARAM>(caret - static_cast<DWORD>(before));
        SendMessageA(GetItem(id), EM_SETSEL, at, static_cast<LPARAM>(at));
        return;
    }
    SetEntryField(m_tools.Table()[selected], id, text);
    if (id == IDC_TOOL_MENU_TEXT)
        ReplaceListItem(selected);
}

void CToolEdit::ReplaceListItem(int index)
{
    List().DeleteString(index);
    List().InsertString(index, MenuTextOf(m_tools.Table()[index]));
    List().SetCurSel(index);
}

void CToolEdit::OnAskChanged()
{
    const int selected = Selected();
    if (selected >= 0)
        m_tools.Table()[selected].askForArguments = IsItemChecked(IDC_TOOL_ASK) ? 1 : 0;
}

std::optional<std::string> CToolEdit::ChooseProgram()
{
    fw::FileDialogOptions options;
    options.owner = GetSheet();
    options.title = "Add tool";
    options.filter = fw::MakeFilterList({{"Executable files (*.exe)", "*.exe"}});
    options.bufferSize = 4096;
    options.mustExist = true;
    const fw::FileDialogResult chosen = fw::ShowOpenDialog(options);
    if (!chosen)
        return std::nullopt;
    return chosen.paths.front();
}

void CToolEdit::OnAdd()
{
    // The list counts the records in use, an emptied menu text included.
    const int index = ListCount();
    if (index >= kToolCount) {
        MessageBoxA(GetSheet(), kNoSpaceForTools, "Error", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const std::optional<std::string> program = ChooseProgram();
    if (!program)
        return;
    ToolEntry entry;
    SetToolField(entry.command, *program);
    const std::string_view name = NameAfterLastBackslash(*program);
    SetToolField(entry.menuText, HasBackslash(*program) ? name : std::string_view(*program));
    entry.askForArguments = IsItemChecked(IDC_TOOL_ASK) ? 1 : 0;
    m_tools.Table()[index] = entry;
    List().AddString(MenuTextOf(entry));
    Select(index);
}

void CToolEdit::OnDelete()
{
    const int selected = Selected();
    if (selected < 0)
        return;
    m_tools.Table().Remove(selected);
    List().DeleteString(selected);
    const int count = ListCount();
    Select(count == 0 ? -1 : (selected < count ? selected : count - 1));
}

void CToolEdit::OnMove(int step)
{
    const int selected = Selected();
    const int other = selected + step;
    if (selected < 0 || other < 0 || other >= ListCount())
        return;
    m_tools.Table().Swap(selected, other);
    ReplaceListItem(other);
    ReplaceListItem(selected);
    Select(other);
}

void CToolEdit::OnApply()
{
    m_tools.Save();
    m_tools.Load();
}

void CToolEdit::OnReset()
{
    m_tools.Load();
}
