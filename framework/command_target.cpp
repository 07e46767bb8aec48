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

void StateCmdUI::Enable(bool on)
{
    CmdUI::Enable(on);
    m_bEnabled = on;
}

void StateCmdUI::SetCheck(int check)
{
    m_nCheck = check;
}

void StateCmdUI::SetRadio(bool on)
{
    m_nCheck = on ? 1 : 0;
}

void StateCmdUI::SetText(std::string_view text)
{
    m_text.assign(text);
    m_bTextSet = true;
}

CommandTarget::Run CommandTarget::RunCommand(UINT id)
{
    StateCmdUI state(id);
    if (OnCmdMsg(id, CmdCode::Update, &state) && !state.m_bEnabled)
        return Run::Disabled;
    return OnCmdMsg(id, CmdCode::Execute, nullptr) ? Run::Ran : Run::NotHandled;
}

bool CommandTarget::HandleCommand(UINT, CmdCode, CmdUI*)
{
    return false;
}

} // namespace fw
