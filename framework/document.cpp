#include "framework/document.h"

#include <algorithm>

#include "framework/app_message.h"
#include "framework/application.h"
#include "framework/doc_template.h"
#include "framework/frame_wnd.h"
#include "framework/handles.h"
#include "framework/res/fw_resource.h"
#include "framework/strings.h"
#include "framework/view.h"

namespace fw {

namespace {

// Reads or writes in pieces the platform accepts on any version.
constexpr DWORD kChunk = 1u << 20;

FileErrorCause LastCause()
{
    return FileErrorCauseFromWin32(GetLastError());
}

// The name the Save As dialog proposes for an untitled document: its
// title up to the first character a file name cannot hold.
std::string ProposedName(const std::string& title, const std::string& ext)
{
    std::string name = title.substr(0, title.find_first_of("\\/:*?\"<>|"));
    if (!name.empty() && !ext.empty() && name.find('.') == std::string::npos)
        name += ext;
    return name;
}

} // namespace

Document::Document() = default;

Document::~Document()
{
    for (View* view : m_views)
        view->m_pDocument = nullptr;
}

void Document::SetTitle(const std::string& title)
{
    m_strTitle = title;
    UpdateFrameCounts();
}

void Document::SetPathName(const std::string& path, bool addToRecentFiles)
{
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    m_strPathName = (n > 0 && n < sizeof full) ? std::string(full, n) : path;
    SetTitle(FileNamePart(m_strPathName));
    if (addToRecentFiles)
        if (Application* app = Application::Current())
            app->AddToRecentFileList(m_strPathName);
}

void Document::AddView(View& view)
{
    if (std::find(m_views.begin(), m_views.end(), &view) != m_views.end())
        return;
    m_views.push_back(&view);
    view.m_pDocument = this;
}

void Document::RemoveView(View& view)
{
    auto it = std::find(m_views.begin(), m_views.end(), &view);
    if (it == m_views.end())
        return;
    m_views.erase(it);
    view.m_pDocument = nullptr;
    // The last view of a document closes it (a frame destroyed directly).
    if (m_views.empty() && m_bAutoDelete && !m_bClosing && m_pDocTemplate) {
        OnCloseDocument();
        return;
    }
    if (!m_bClosing)
        UpdateFrameCounts();
}

void Document::UpdateAllViews(View* sender, LPARAM hint, void* hintObject)
{
    // A copy: an update may close a view.
    const std::vector<View*> views = m_views;
    for (View* view : views)
        if (view != sender)
            view->OnUpdate(sender, hint, hintObject);
}

std::vector<FrameWnd*> Document::GetFrames() const
{
    std::vector<FrameWnd*> frames;
    for (View* view : m_views) {
        FrameWnd* frame = view->GetParentFrame();
        if (frame && std::find(frames.begin(), frames.end(), frame) == frames.end())
            frames.push_back(frame);
    }
    return frames;
}

void Document::UpdateFrameCounts()
{
    std::vector<FrameWnd*> frames = GetFrames();
    int number = frames.size() > 1 ? 1 : 0;
    for (FrameWnd* frame : frames) {
        frame->m_nWindow = number ? number++ : 0;
        frame->OnUpdateFrameTitle(true);
    }
}

bool Document::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool Document::OnOpenDocument(const std::string& path)
{
    File file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ReportSaveLoadError(LastCause(), path, false, FW_IDP_FAILED_TO_OPEN_DOC);
        return false;
    }
    DeleteContents();
    SetModifiedFlag(true); // dirty while half loaded
    std::string data;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) {
        ReportSaveLoadError(FileErrorCause::Other, path, false, FW_IDP_FAILED_TO_OPEN_DOC);
        return false;
    }
    data.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < data.size()) {
        DWORD want = static_cast<DWORD>(std::min<size_t>(kChunk, data.size() - done));
        DWORD got = 0;
        if (!ReadFile(file.get(), data.data() + done, want, &got, nullptr)) {
            FileErrorCause cause = LastCause();
            DeleteContents();
            ReportSaveLoadError(cause, path, false, FW_IDP_FAILED_TO_OPEN_DOC);
            return false;
        }
        if (got == 0)
            break; // the file shrank meanwhile
        done += got;
    }
    data.resize(done);
    if (!LoadContents(data)) {
        DeleteContents();
        ReportSaveLoadError(FileErrorCause::Other, path, false, FW_IDP_FAILED_TO_OPEN_DOC);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool Document::OnSaveDocument(const std::string& path)
{
    std::string data;
    if (!SaveContents(data)) {
        ReportSaveLoadError(FileErrorCause::Other, path, true, FW_IDP_FAILED_TO_SAVE_DOC);
        return false;
    }
    File file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ReportSaveLoadError(LastCause(), path, true, FW_IDP_INVALID_FILENAME);
        return false;
    }
    size_t done = 0;
    while (done < data.size()) {
        DWORD want = static_cast<DWORD>(std::min<size_t>(kChunk, data.size() - done));
        DWORD put = 0;
        bool written = WriteFile(file.get(), data.data() + done, want, &put, nullptr) != FALSE;
        if (!written || put == 0) {
            // Nothing written without an error: the disk took no more.
            FileErrorCause cause = written ? FileErrorCause::DiskFull : LastCause();
            ReportSaveLoadError(cause, path, true, FW_IDP_FAILED_TO_SAVE_DOC);
            return false; // stays modified: the user can try again
        }
        done += put;
    }
    SetModifiedFlag(false);
    return true;
}

void Document::OnCloseDocument()
{
    m_bClosing = true;
    for (FrameWnd* frame : GetFrames()) {
        PreCloseFrame(*frame);
        frame->DestroyFrame();
    }
    DeleteContents();
    if (m_bAutoDelete && m_pDocTemplate) {
        m_pDocTemplate->RemoveDocument(this); // deletes this document
        return;
    }
    m_bClosing = false;
}

bool Document::SaveModified()
{
    if (!IsModified())
        return true;
    std::string name = m_strPathName;
    if (name.empty())
        name = m_strTitle.empty() ? LoadResString(FW_IDS_UNTITLED) : m_strTitle;
    switch (AppMessageBox(FormatResString(FW_IDP_ASK_TO_SAVE, {name}),
                          MB_YESNOCANCEL | MB_ICONQUESTION, FW_IDP_ASK_TO_SAVE)) {
    case IDYES:
        return DoFileSave();
    case IDNO:
        return true;
    default:
        return false;
    }
}

bool Document::CanCloseFrame(FrameWnd& frame)
{
    // Another frame still shows the document: nothing is lost.
    for (FrameWnd* other : GetFrames())
        if (other != &frame)
            return true;
    return SaveModified();
}

bool Document::LoadContents(std::string_view)
{
    return true;
}

bool Document::SaveContents(std::string& data)
{
    data.clear();
    return true;
}

bool Document::DoSave(const std::string& path, bool replace)
{
    std::string newName = path;
    if (newName.empty()) {
        newName = m_strPathName;
        if (newName.empty() && replace) {
            std::string ext =
                m_pDocTemplate ? m_pDocTemplate->GetDocString(DocTemplate::filterExt) : "";
            newName = ProposedName(m_strTitle, ext);
        }
        Application* app = Application::Current();
        if (!app || !app->DoPromptFileName(newName, FW_IDS_SAVEFILE, false, m_pDocTemplate))
            return false;
    }
    bool saved;
    {
        WaitCursor wait;
        saved = OnSaveDocument(newName);
    }
    // A failed save leaves whatever the file held: no file is deleted
    // here, it may be someone else's.
    if (!saved)
        return false;
    if (replace)
        SetPathName(newName);
    return true;
}

bool Document::DoFileSave()
{
    DWORD attributes =
        m_strPathName.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(m_strPathName.c_str());
    if (m_strPathName.empty() ||
        (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)))
        return DoSave(std::string(), true);
    return DoSave(m_strPathName, true);
}

void Document::ReportSaveLoadError(FileErrorCause cause, const std::string& path, bool saving,
                                   UINT defaultPromptId)
{
    ReportFileError(cause, saving, path, defaultPromptId);
}

bool Document::HandleCommand(UINT id, CmdCode code, CmdUI* ui)
{
    static const CommandMap<Document> map{
        {ID_FILE_CLOSE, &Document::OnFileClose},
        {ID_FILE_SAVE, &Document::OnFileSave},
        {ID_FILE_SAVE_AS, &Document::OnFileSaveAs},
    };
    return map.Dispatch(*this, id, code, ui) || CommandTarget::HandleCommand(id, code, ui);
}

void Document::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void Document::OnFileSave()
{
    DoFileSave();
}

void Document::OnFileSaveAs()
{
    DoSave(std::string(), true);
}

} // namespace fw
