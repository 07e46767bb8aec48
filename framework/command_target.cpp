#include "framework/command_target.h"

namespace fw {

void CmdUI::Enable(bool)
{
    m_bEnableChanged = true;
}

void CmdUI::SetCheck(int) {}

void CmdUI::SetRadio(bool on)
{
    SetCheck(on ? 1 : 0);
}

void CmdUI::SetText(std::string_view) {}

bool CmdUI::DoUpdate(CommandTarget& target, bool disableIfNoHandler)
{
    m_bEnableChanged = false;
    bool handled = target.OnCmdMsg(m_nID, CmdCode::Update, this);
    // Unless an update handler decided, an item is as available as its
    // command (also undoing what an earlier update left).
    if (disableIfNoHandler && !m_bEnableChanged) {
        bool hasHandler = target.OnCmdMsg(m_nID, CmdCode::HasHandler, nullptr);
        Enable(hasHandler);
        handled = handled || hasHandler;
    }
    return handled;
}

void TestCmdUI::Enable(bool on)
{
    CmdUI::Enable(on);
    m_bEnabled = on;
}

void TestCmdUI::SetCheck(int check)
{
    m_nCheck = check;
}

void TestCmdUI::SetRadio(bool on)
{
    m_nCheck = on ? 1 : 0;
}

void TestCmdUI::SetText(std::string_view text)
{
    m_text.assign(text);
    m_bTextSet = true;
}

bool CommandTarget::ExecuteCommand(UINT id)
{
    // A command disabled by its update handler never runs, whether it came
    // from a menu, a key or a tool button.
    TestCmdUI state(id);
    if (OnCmdMsg(id, CmdCode::Update, &state) && !state.m_bEnabled)
        return false;
    return OnCmdMsg(id, CmdCode::Execute, nullptr);
}

bool CommandTarget::HandleCommand(UINT, CmdCode, CmdUI*)
{
    return false;
}

} // namespace fw
