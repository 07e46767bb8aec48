// The user's tools in the running editor: the process-wide table kept in
// the profile's "Tools" section, the Tools menu of the main window, and the
// start of a tool on the active editor window and current workset.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "editor/app/frame_hooks.h"
#include "editor/automation/tool_menu.h"
#include "editor/automation/tool_text.h"

class CToolCommands : public ToolsMenuHook {
public:
    CToolCommands();
    ~CToolCommands() override;

    void Rebuild() override { m_menu.Rebuild(); }
    void Load(Profile& profile) override;
    bool IsUsed(int index) const override;
    void Run(int index) override;

    // The tools as the option sheet's "Tools" page edits them.
    ToolsMenu& Menu() { return m_menu; }
    // What the tool placeholders are expanded with just now (the current
    // directory is read at each expansion).
    static ToolFacts CurrentFacts();

private:
    class ProfileSection;
    std::unique_ptr<ProfileSection> m_section;
    ToolsMenu m_menu;
};
