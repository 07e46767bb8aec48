// Alt+F5: opens the file named by the selection or by the file-name token
// under the caret, found in the current directory, then along INCLUDE, then
// along PATH; a line number written behind the name is gone to.
#include "editor/view/marl_view.h"

#include <cstdlib>
#include <string>

#include "editor/doc/marl_doc.h"
#include "framework/application.h"
#include "resource.h"

namespace {

// The full name of `name` in the first of `directories` (";"-separated)
// that holds it, or "".
std::string FindIn(const char* directories, const std::string& name)
{
    if (!directories || !*directories)
        return {};
    char found[MAX_PATH];
    const DWORD length = SearchPathA(directories, name.c_str(), nullptr, MAX_PATH, found, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return {};
    const DWORD attributes = GetFileAttributesA(found);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {};
    return found;
}

} // namespace

void CMarlView::OnOpenFileAtCaret()
{
    std::string name;
    long line = 0;
    bool lineFromText = false;
    {
        CMarlDoc::TextLock lock(*GetDocument());
        MarlDocCore& text = Text();
        if (HasSelection()) {
            text.GetText(m_pos.selStart, m_pos.selEnd, name);
        } else {
            if (m_pos.caret >= text.GetLength())
                return;
            const unsigned char c = text.GetChar(m_pos.caret);
            if (c == ' ' || c == '\t' || c == '\n')
                return;
            text.FileNameAt(m_pos.caret, name, line);
            lineFromText = true;
        }
    }
    if (name.empty())
        return;
    std::string path = FindIn(".", name);
    for (const char* variable : {"INCLUDE", "PATH"})
        if (path.empty())
            path = FindIn(std::getenv(variable), name);
    fw::Application* app = fw::Application::Current();
    if (path.empty() || !app)
        return;
    fw::Document* doc = app->OpenDocumentFile(path);
    if (!doc || !lineFromText || doc->GetViews().empty())
        return;
    if (auto* marl = dynamic_cast<CMarlDoc*>(doc))
        marl->m_nStoredLine = line;
    doc->GetViews().front()->OnCmdMsg(ID_GOTO_STORED_LINE, fw::CmdCode::Execute, nullptr);
}
