#include "framework/doc_template.h"

#include <algorithm>

#include "framework/app_message.h"
#include "framework/application.h"
#include "framework/document.h"
#include "framework/frame_wnd.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"
#include "framework/res/fw_resource.h"
#include "framework/strings.h"
#include "framework/view.h"

namespace fw {

namespace {

bool HasResource(UINT id, LPCSTR type)
{
    return FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), type) != nullptr;
}

bool EndsWithNoCase(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() &&
           lstrcmpiA(text.c_str() + (text.size() - tail.size()), tail.c_str()) == 0;
}

} // namespace

DocTemplate::DocTemplate(UINT idResource, DocumentFactory makeDocument, FrameFactory makeFrame,
                         ViewFactory makeView)
    : m_nIDResource(idResource), m_makeDocument(std::move(makeDocument)),
      m_makeFrame(std::move(makeFrame)), m_makeView(std::move(makeView)),
      m_docStrings(LoadResString(idResource))
{
    HINSTANCE inst = GetModuleHandleA(nullptr);
    if (HasResource(idResource, MAKEINTRESOURCEA(4) /* RT_MENU */))
        m_menu = LoadMenuA(inst, MAKEINTRESOURCEA(idResource));
    // Loaded tables belong to the module: they are never destroyed.
    if (HasResource(idResource, MAKEINTRESOURCEA(9) /* RT_ACCELERATOR */))
        m_accel = LoadAcceleratorsA(inst, MAKEINTRESOURCEA(idResource));
}

DocTemplate::~DocTemplate()
{
    m_documents.clear();
    if (m_menu && IsMenu(m_menu))
        DestroyMenu(m_menu);
}

std::string DocTemplate::GetDocString(DocStringIndex index) const
{
    return TextPart(m_docStrings, index);
}

std::vector<Document*> DocTemplate::GetDocuments() const
{
    std::vector<Document*> list;
    for (const auto& doc : m_documents)
        list.push_back(doc.get());
    return list;
}

Document* DocTemplate::AddDocument(std::unique_ptr<Document> document)
{
    if (!document)
        return nullptr;
    document->m_pDocTemplate = this;
    m_documents.push_back(std::move(document));
    return m_documents.back().get();
}

Document* DocTemplate::CreateNewDocument()
{
    return m_makeDocument ? AddDocument(m_makeDocument()) : nullptr;
}

void DocTemplate::RemoveDocument(Document* document)
{
    auto it = std::find_if(m_documents.begin(), m_documents.end(),
                           [&](const auto& d) { return d.get() == document; });
    if (it == m_documents.end())
        return;
    std::unique_ptr<Document> gone = std::move(*it);
    m_documents.erase(it);
    gone->m_pDocTemplate = nullptr;
}

std::unique_ptr<View> DocTemplate::CreateView() const
{
    return m_makeView ? m_makeView() : nullptr;
}

FrameWnd* DocTemplate::CreateNewFrame(Document& document, FrameWnd* other)
{
    if (!m_makeFrame)
        return nullptr;
    CreateContext context{&document, this, other};
    std::unique_ptr<FrameWnd> made = m_makeFrame();
    Application* app = Application::Current();
    auto* mdi = app ? dynamic_cast<MDIFrameWnd*>(app->GetMainFrame()) : nullptr;
    if (auto* child = dynamic_cast<MDIChildWnd*>(made.get()); child && mdi) {
        made.release();
        mdi->AdoptChild(std::unique_ptr<MDIChildWnd>(child));
        if (!child->LoadFrame(m_nIDResource, m_frameStyle, mdi, &context)) {
            mdi->ReleaseChild(child);
            return nullptr;
        }
        return child;
    }
    // A top-level frame becomes the program's main frame; there is only one.
    FrameWnd* frame = made.get();
    if (!frame || !app || app->GetMainFrame())
        return nullptr;
    if (!frame->LoadFrame(m_nIDResource, m_frameStyle, nullptr, &context))
        return nullptr;
    app->SetMainFrame(std::move(made));
    return frame;
}

void DocTemplate::InitialUpdateFrame(FrameWnd& frame, Document* document, bool makeVisible)
{
    frame.InitialUpdateFrame(document, makeVisible);
}

Document* DocTemplate::OpenDocumentFile(const std::string& path, bool makeVisible)
{
    Document* doc = CreateNewDocument();
    if (!doc) {
        AppMessageBox(FW_IDP_FAILED_TO_CREATE_DOC, MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    // A frame failing half-made must not take the document along.
    doc->m_bAutoDelete = false;
    FrameWnd* frame = CreateNewFrame(*doc, nullptr);
    doc->m_bAutoDelete = true;
    if (!frame) {
        RemoveDocument(doc);
        AppMessageBox(FW_IDP_FAILED_TO_CREATE_DOC, MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    bool ok;
    if (path.empty()) {
        SetDefaultTitle(*doc);
        ok = doc->OnNewDocument();
        if (ok)
            ++m_nUntitledCount;
    } else {
        WaitCursor wait;
        ok = doc->OnOpenDocument(path);
    }
    if (!ok) {
        // The failure was reported; the document goes with its last view.
        frame->DestroyFrame();
        RemoveDocument(doc);
        return nullptr;
    }
    if (!path.empty())
        doc->SetPathName(path);
    InitialUpdateFrame(*frame, doc, makeVisible);
    return doc;
}

void DocTemplate::SetDefaultTitle(Document& document)
{
    std::string name = GetDocString(docName);
    if (name.empty())
        name = LoadResString(FW_IDS_UNTITLED);
    else
        name += std::to_string(m_nUntitledCount + 1);
    document.SetTitle(name);
}

DocTemplate::Confidence DocTemplate::MatchDocType(const std::string& path, Document*& match) const
{
    match = nullptr;
    for (const auto& doc : m_documents) {
        if (!doc->GetPathName().empty() &&
            lstrcmpiA(doc->GetPathName().c_str(), path.c_str()) == 0) {
            match = doc.get();
            return Confidence::YesAlreadyOpen;
        }
    }
    std::string ext = GetDocString(filterExt);
    if (!ext.empty() && EndsWithNoCase(path, ext))
        return Confidence::YesAttemptNative;
    return Confidence::MaybeAttemptForeign;
}

bool DocTemplate::SaveAllModified()
{
    for (Document* doc : GetDocuments())
        if (!doc->SaveModified())
            return false;
    return true;
}

void DocTemplate::CloseAllDocuments(bool)
{
    for (Document* doc : GetDocuments()) {
        // An earlier close may have taken this one along.
        bool present = std::any_of(m_documents.begin(), m_documents.end(),
                                   [&](const auto& d) { return d.get() == doc; });
        if (present)
            doc->OnCloseDocument();
    }
}

// ---- One document ---------------------------------------------------------

Document* SingleDocTemplate::OpenDocumentFile(const std::string& path, bool makeVisible)
{
    std::vector<Document*> documents = GetDocuments();
    if (documents.empty())
        return DocTemplate::OpenDocumentFile(path, makeVisible);
    Document* doc = documents.front();
    if (!doc->SaveModified())
        return nullptr;
    bool ok;
    if (path.empty()) {
        SetDefaultTitle(*doc);
        ok = doc->OnNewDocument();
    } else {
        WaitCursor wait;
        ok = doc->OnOpenDocument(path);
        if (!ok && doc->IsModified()) {
            // The failed load emptied the old document: it starts afresh.
            SetDefaultTitle(*doc);
            doc->OnNewDocument();
        }
    }
    if (!ok)
        return nullptr;
    if (!path.empty())
        doc->SetPathName(path);
    for (View* view : doc->GetViews())
        view->OnInitialUpdate();
    doc->UpdateFrameCounts();
    return doc;
}

void SingleDocTemplate::SetDefaultTitle(Document& document)
{
    std::string name = GetDocString(docName);
    document.SetTitle(name.empty() ? LoadResString(FW_IDS_UNTITLED) : name);
}

} // namespace fw
