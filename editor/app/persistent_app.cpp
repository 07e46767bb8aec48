#include "editor/app/persistent_app.h"

#include "editor/app/desktop_record.h"
#include "editor/app/persistent_frames.h"
#include "editor/app/profile.h"
#include "editor/app/settings_sections.h"
#include "framework/document.h"
#include "framework/mdi_frame.h"

namespace {

constexpr char kZOrderKey[] = "ZOrder";

std::string DesktopKey(const char* name, const std::string& key)
{
    return name + key;
}

} // namespace

CPersistentApp* CPersistentApp::Current()
{
    return dynamic_cast<CPersistentApp*>(fw::Application::Current());
}

fw::DocTemplate* CPersistentApp::FindTemplate(UINT id) const
{
    for (fw::DocTemplate* docTemplate : GetDocTemplates())
        if (docTemplate->GetResourceId() == id)
            return docTemplate;
    return nullptr;
}

int CPersistentApp::NextDesktopKey()
{
    if (!m_nDesktopFlag)
        return 0;
    return ++m_nKeyCounter;
}

bool CPersistentApp::RestoreDesktop()
{
    ::Profile* profile = DesktopProfile();
    if (!profile)
        return false;
    for (const std::string& key : SplitZOrder(profile->ReadString(kSectionSettings, kZOrderKey))) {
        const std::int32_t id = profile->ReadInt(kSectionDesktop, DesktopKey("TpltID", key), 0);
        auto* docTemplate =
            dynamic_cast<CPerMultiDocTemplate*>(FindTemplate(static_cast<UINT>(id)));
        if (!docTemplate || id == 0)
            continue;
        const std::string path = profile->ReadString(kSectionDesktop, DesktopKey("DocPath", key));
        // No entry is written without a path: an empty one would only make
        // an untitled document nobody asked for.
        if (path.empty())
            continue;
        docTemplate->m_strPendingKey = key;
        if (!docTemplate->OpenDocumentFile(path, true))
            docTemplate->m_strPendingKey.clear(); // reported by the open; the next one follows
    }
    return true;
}

bool CPersistentApp::SaveAllModified()
{
    if (m_nDesktopFlag) {
        if (::Profile* profile = DesktopProfile())
            TakeSnapshot(*profile);
    }
    return fw::Application::SaveAllModified();
}

void CPersistentApp::TakeSnapshot(::Profile& profile)
{
    // The stored desktop goes only when the new one can be written in its
    // place: an unwritable profile keeps the last desktop whole.
    const std::string stored = profile.ReadString(kSectionSettings, kZOrderKey);
    m_bKeptDesktop = !profile.WriteString(kSectionSettings, kZOrderKey, stored);
    if (m_bKeptDesktop)
        return;
    profile.DeleteSection(kSectionDesktop);
    m_nKeyCounter = 0;
    m_zOrder.clear();
    int position = 0;
    auto* frame = dynamic_cast<fw::MDIFrameWnd*>(GetMainFrame());
    if (frame && frame->GetMDIClient()) {
        // Topmost first, in the platform's stacking order.
        for (HWND child = GetWindow(frame->GetMDIClient(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            if (auto* perChild = dynamic_cast<CPerMDIChildWnd*>(fw::Window::FromHandle(child)))
                perChild->m_nZOrderPos = position++;
    }
    m_zOrder.resize(static_cast<std::size_t>(position));
    m_bSaving = 1;
}

std::optional<std::string> CPersistentApp::DesktopZOrder() const
{
    if (m_bKeptDesktop)
        return std::nullopt;
    return BuildZOrder(m_zOrder);
}

void CPersistentApp::SaveChildEntry(CPerMDIChildWnd& child)
{
    ::Profile* profile = DesktopProfile();
    fw::Document* document = child.GetActiveDocument();
    if (!profile || !document || document->GetPathName().empty())
        return; // an untitled window leaves its slot empty
    const std::string record = FormatPlacement(child.PlacementForEntry());
    const int number = NextDesktopKey();
    if (number == 0)
        return;
    const std::string key = std::to_string(number);
    child.m_strDesktopKey = key;
    if (child.m_nZOrderPos >= 0 && static_cast<std::size_t>(child.m_nZOrderPos) < m_zOrder.size())
        m_zOrder[static_cast<std::size_t>(child.m_nZOrderPos)] = key;
    profile->WriteString(kSectionDesktop, DesktopKey("DocPath", key), document->GetPathName());
    profile->WriteInt(kSectionDesktop, DesktopKey("TpltID", key), child.m_nTemplateId);
    profile->WriteString(kSectionDesktop, DesktopKey("Placement", key), record);
}
