// The Options commands of the running editor: the sheet over the
// application's settings, the profile, the tools and the [Help] and
// [Outliner] sections.
#pragma once
#include "editor/app/frame_hooks.h"

class CToolCommands;
namespace fw {
class PropertyPage;
}

class COptionSheetCommands : public OptionSheetHook {
public:
    // `printPage`, the print options page, outlives the application; the
    // sheet goes without it while it is null.
    explicit COptionSheetCommands(CToolCommands& tools, fw::PropertyPage* printPage = nullptr)
        : m_tools(tools), m_printPage(printPage)
    {
    }
    void Show(int page) override;

private:
    CToolCommands& m_tools;
    fw::PropertyPage* m_printPage;
};
