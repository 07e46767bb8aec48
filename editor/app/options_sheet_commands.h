// The Options commands of the running editor: the sheet over the
// application's settings, the profile, the tools and the [Help] and
// [Outliner] sections.
#pragma once
#include "editor/app/frame_hooks.h"

class CToolCommands;

class COptionSheetCommands : public OptionSheetHook {
public:
    explicit COptionSheetCommands(CToolCommands& tools) : m_tools(tools) {}
    void Show(int page) override;

private:
    CToolCommands& m_tools;
};
