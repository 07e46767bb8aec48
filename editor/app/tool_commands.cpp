#include "editor/app/tool_commands.h"

#include "editor/app/profile.h"
#include "editor/app/settings_workset_name.h"
#include "editor/automation/tool_run.h"
#include "editor/automation/view_facts.h"
#include "editor/view/marl_view.h"
#include "framework/application.h"
#include "framework/frame_wnd.h"

// The "Tools" section of the editor's profile; nothing until start-up
// names the profile.
class CToolCommands::ProfileSection : public ToolsSection {
public:
    std::string Read(std::string_view key) override
    {
        return m_profile ? m_profile->ReadString(kToolsSectionName, key) : std::string();
    }
    void Write(std::string_view key, std::string_view value) override
    {
        if (m_profile)
            m_profile->WriteString(kToolsSectionName, key, value);
    }
    void Remove(std::string_view key) override
    {
        if (m_profile)
            m_profile->DeleteKey(kToolsSectionName, key);
    }
    Profile* m_profile = nullptr;
};

namespace {

HWND MainWindow()
{
    fw::Application* app = fw::Application::Current();
    return app ? app->GetMainWnd() : nullptr;
}

} // namespace

CToolCommands::CToolCommands()
    : m_section(std::make_unique<ProfileSection>()), m_menu(g_ToolTable, *m_section, MainWindow)
{
}

CToolCommands::~CToolCommands() = default;

void CToolCommands::Load(Profile& profile)
{
    m_section->m_profile = &profile;
    m_menu.Load();
}

bool CToolCommands::IsUsed(int index) const
{
    return index >= 0 && index < kToolCount && g_ToolTable[index].IsUsed();
}

ToolFacts CToolCommands::CurrentFacts()
{
    ToolFacts facts;
    const fw::Application* app = fw::Application::Current();
    const fw::FrameWnd* frame = app ? app->GetMainFrame() : nullptr;
    facts.view =
        ViewFacts(frame ? dynamic_cast<const CMarlView*>(frame->GetActiveView()) : nullptr);
    facts.worksetPath = std::string(g_WorksetName.Get());
    return facts;
}

void CToolCommands::Run(int index)
{
    if (IsUsed(index))
        RunTool(g_ToolTable[index], CurrentFacts(), MainWindow());
}
