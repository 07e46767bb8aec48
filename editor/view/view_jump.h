// The editor window's jumps to a line or a place in the text: Jump to line,
// the last edit position and the paragraph jumps.
#pragma once
#include <windows.h>

#include "framework/command_target.h"

class CMarlView;

class ViewJump {
public:
    explicit ViewJump(CMarlView& view) : m_view(view) {}

    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui);

private:
    void OnJumpToLine();
    void OnLastEdit();
    void OnUpdateLastEdit(fw::CmdUI& ui);
    void OnParagraph(UINT id);

    CMarlView& m_view;
};
