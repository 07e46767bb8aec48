#include "editor/doc/marl_doc.h"

#include "editor/doc/doc_messages.h"
#include "editor/doc/doc_properties_dialog.h"
#include "editor/doc/global_text_block.h"
#include "editor/doc/win32_doc_services.h"
#include "framework/application.h"
#include "framework/strings.h"
#include "framework/view.h"
#include "resource.h"

struct CMarlDoc::Services {
    Win32MessageSink messages;
    Win32FileSystem files;
    GlobalTextBlockFactory blocks;
    OptionsDocSettings settings;
    AppOpenDocuments openDocuments;
};

namespace {

DocTabHost* TabHost()
{
    return dynamic_cast<DocTabHost*>(fw::Application::Current());
}

std::string TabName(const std::string& path)
{
    return path.empty() ? std::string(doc_text::kUntitled) : fw::FileNamePart(path);
}

} // namespace

CMarlDoc::CMarlDoc()
    : m_services(std::make_unique<Services>()),
      m_core(std::make_unique<MarlDocCore>(DocServices{m_services->messages, m_services->files,
                                                       m_services->blocks, m_services->settings,
                                                       &m_services->openDocuments}))
{
    m_core->SetChangeObserver(this);
}

void CMarlDoc::TextChanged(const ChangeNotice& notice)
{
    SyncModified();
    ChangeNotice copy = notice;
    UpdateAllViews(nullptr, kHintRepaint, &copy);
}

void CMarlDoc::TextReset()
{
    UpdateAllViews(nullptr, kHintReset);
}

CMarlDoc::~CMarlDoc() = default;

bool CMarlDoc::OnNewDocument()
{
    if (!fw::Document::OnNewDocument())
        return false;
    if (!m_core->OnNewDocument())
        return false;
    if (DocTabHost* tabs = TabHost())
        tabs->AddDocTab(*this, doc_text::kUntitled);
    SyncModified();
    return true;
}

bool CMarlDoc::OnOpenDocument(const std::string& path)
{
    if (!m_core->OnOpenDocument(path))
        return false; // the document is as it was
    if (DocTabHost* tabs = TabHost())
        tabs->AddDocTab(*this, TabName(path));
    SyncModified();
    return true;
}

bool CMarlDoc::OnSaveDocument(const std::string& path)
{
    const bool saved = m_core->OnSaveDocument(path);
    SyncModified();
    return saved;
}

void CMarlDoc::OnCloseDocument()
{
    if (DocTabHost* tabs = TabHost())
        tabs->RemoveDocTab(*this);
    fw::Document::OnCloseDocument();
}

void CMarlDoc::DeleteContents()
{
    m_core->DeleteContents();
    SyncModified();
}

void CMarlDoc::SetPathName(const std::string& path, bool addToRecentFiles)
{
    fw::Document::SetPathName(path, addToRecentFiles);
    m_core->SetPathName(GetPathName());
    SetFullPathTitle();
}

void CMarlDoc::SetFullPathTitle()
{
    SetTitle(GetPathName().empty() ? std::string(doc_text::kUntitled) : GetPathName());
}

void CMarlDoc::LockText()
{
    if (m_nTextLocks++ == 0)
        m_core->LockText();
}

void CMarlDoc::UnlockText()
{
    if (m_nTextLocks > 0 && --m_nTextLocks == 0)
        m_core->UnlockText();
}

void CMarlDoc::OnFirstViewShown()
{
    if (m_bViewShown)
        return;
    m_bViewShown = true;
    m_core->UpdateReadOnlyFromFile();
    SetFullPathTitle();
}

// ---- Commands ---------------------------------------------------------------

bool CMarlDoc::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<CMarlDoc> map{
        {ID_FILE_SAVE, &CMarlDoc::OnFileSave},
        {ID_FILE_SAVE, &CMarlDoc::OnUpdateFileSave},
        {ID_FILE_SAVE_AS, &CMarlDoc::OnFileSaveAs},
        {ID_FILE_PROPERTIES, &CMarlDoc::OnFileProperties},
        {ID_EDIT_UNDO, &CMarlDoc::OnUpdateUndo},
        {ID_EDIT_REDO, &CMarlDoc::OnUpdateRedo},
    };
    return map.Dispatch(*this, id, code, ui) || fw::Document::HandleCommand(id, code, ui);
}

void CMarlDoc::OnFileSave()
{
    const bool hadPath = !GetPathName().empty();
    DoFileSave();
    if (GetPathName().empty())
        return;
    SetFullPathTitle();
    if (!hadPath) {
        if (DocTabHost* tabs = TabHost())
            tabs->RenameDocTab(*this, TabName(GetPathName()));
        // A new name may change the colouring.
        UpdateAllViews(nullptr, kHintRepaint);
    }
}

void CMarlDoc::OnFileSaveAs()
{
    m_core->DeleteTempCopy();
    DoSave(std::string(), true);
    if (GetPathName().empty())
        return;
    SetFullPathTitle();
    if (DocTabHost* tabs = TabHost())
        tabs->RenameDocTab(*this, TabName(GetPathName()));
    UpdateAllViews(nullptr, kHintRepaint);
}

void CMarlDoc::OnFileProperties()
{
    DocProperties properties = ReadProperties(*m_core);
    fw::Application* app = fw::Application::Current();
    CDocPropertiesDialog dialog(properties, app ? app->GetMainWnd() : nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    ApplyProperties(properties, *m_core);
    // READ and the enabled commands follow the flag.
    UpdateAllViews(nullptr, kHintRepaint);
}

void CMarlDoc::OnUpdateFileSave(fw::CmdUI& ui)
{
    ui.Enable(IsModified());
}

void CMarlDoc::OnUpdateUndo(fw::CmdUI& ui)
{
    // Undo changes the text too: a read-only document keeps it.
    ui.Enable(m_core->CanUndo() && !m_core->m_bReadOnly);
}

void CMarlDoc::OnUpdateRedo(fw::CmdUI& ui)
{
    ui.Enable(m_core->CanRedo() && !m_core->m_bReadOnly);
}
