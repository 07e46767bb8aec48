#include "editor/integration/editor_lookups.h"

#include <cstdio>

#include "editor/doc/global_text_block.h"
#include "editor/doc/marl_doc.h"
#include "editor/integration/extension_entries.h"
#include "editor/integration/outline_call.h"
#include "editor/view/marl_view.h"
#include "framework/application.h"
#include "framework/strings.h"
#include "resource.h"

namespace {

constexpr UINT kHelpPartialKey = 0x105;

int Message(const std::string& text, UINT icon)
{
    fw::Application* app = fw::Application::Current();
    return app ? app->DoMessageBox(text, icon | MB_TASKMODAL, 0) : IDOK;
}

} // namespace

void WinHelpViewer::ShowKeyword(const std::string& path, const std::string& word)
{
    fw::Application* app = fw::Application::Current();
    WinHelpA(app ? app->GetMainWnd() : nullptr, path.c_str(), kHelpPartialKey,
             reinterpret_cast<ULONG_PTR>(word.c_str()));
}

void CEditorLookups::ShowHelpForWord(const std::string& word, const std::string& documentPath)
{
    m_help.ShowHelpForWord(word, FileExtension(documentPath));
}

void CEditorLookups::ShowOutline(CMarlView& view)
{
    CMarlDoc* doc = view.GetDocument();
    if (!doc)
        return;
    MarlDocCore& core = doc->Core();
    auto* block = dynamic_cast<GlobalTextBlock*>(core.GetTextBlock());
    if (!block)
        return;
    const std::string path = doc->GetPathName();
    if (!view.m_hOutliner) {
        const std::string library = m_outlinerSection.Read(FileExtension(path));
        if (library.empty()) {
            Message(fw::LoadResString(IDS_NO_OUTLINER), MB_ICONEXCLAMATION);
            return;
        }
        view.m_hOutliner.reset(LoadLibraryA(library.c_str()));
        if (!view.m_hOutliner)
            return;
    }
    FARPROC proc = GetProcAddress(view.m_hOutliner.get(), MAKEINTRESOURCEA(2));
    if (!proc) {
        Message(fw::LoadResString(IDS_NO_OUTLINE_FUNCTION), MB_ICONEXCLAMATION);
        return;
    }
    const OutlineCallResult result =
        CallOutlineFunction(reinterpret_cast<OutlineFunction>(reinterpret_cast<void*>(proc)),
                            view.GetHwnd(), path.c_str(), block->Handle(),
                            static_cast<DWORD>(core.GetLength()));
    if (result.exceptionCode) {
        // The library is left loaded: windows it made may still use its code.
        char code[16];
        std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result.exceptionCode));
        Message(std::string("The outliner library failed inside its outline function (exception ") +
                    code + ").\nThe editor and your documents are unharmed; the outline is not shown.",
                MB_ICONSTOP);
        return;
    }
    view.m_hOutlineWnd = result.window;
}
