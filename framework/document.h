// fw::Document: the data behind one or more views; its path, title and
// modified flag; the New/Open/Save/Save As/Close flows with the question to
// save changes and file errors reported by cause.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/command_target.h"
#include "framework/file_error.h"

namespace fw {

class DocTemplate;
class FrameWnd;
class View;

class Document : public CommandTarget {
public:
    Document();
    ~Document() override;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    const std::string& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return m_strPathName; }
    // A full path; the title becomes its file-name part and the path joins
    // the recent files.
    virtual void SetPathName(const std::string& path, bool addToRecentFiles = true);
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    DocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    // ---- Views ----
    const std::vector<View*>& GetViews() const { return m_views; }
    void AddView(View& view);
    void RemoveView(View& view);
    // Every view but `sender` gets OnUpdate(sender, hint, object).
    void UpdateAllViews(View* sender, LPARAM hint = 0, void* hintObject = nullptr);
    // Numbers the frames ("title:1", "title:2") when there are several and
    // updates their titles.
    void UpdateFrameCounts();
    std::vector<FrameWnd*> GetFrames() const;

    // ---- Overridables ----
    // A new empty document: DeleteContents, no path, not modified.
    virtual bool OnNewDocument();
    // Reads `path`: by default the whole file is handed to LoadContents.
    virtual bool OnOpenDocument(const std::string& path);
    // Writes `path`: by default what SaveContents gives.
    virtual bool OnSaveDocument(const std::string& path);
    // Closes the frames, empties the document and, when it belongs to a
    // template, deletes it: nothing may touch the document afterwards.
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}
    // "Save changes to %1?" when modified; false when the user cancelled
    // or the save failed.
    virtual bool SaveModified();
    virtual bool CanCloseFrame(FrameWnd& frame);
    virtual void PreCloseFrame(FrameWnd&) {}
    // The default open and save: the file's bytes.  False means the
    // contents are not valid (reported with the default text).
    virtual bool LoadContents(std::string_view data);
    virtual bool SaveContents(std::string& data);

    // ---- Flows ----
    // Saves under `path`; an empty path asks for a name.  With `replace`
    // the document takes the new name.
    bool DoSave(const std::string& path, bool replace = true);
    // Save: under the document's name, or Save As when it has none (or
    // its file is read-only).
    bool DoFileSave();
    // The file-error report for `path`.
    virtual void ReportSaveLoadError(FileErrorCause cause, const std::string& path, bool saving,
                                     UINT defaultPromptId);

    // Deleted by its template when its last view goes.
    bool m_bAutoDelete = true;

protected:
    bool HandleCommand(UINT id, CmdCode code, CmdUI* ui) override;
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

private:
    friend class DocTemplate;

    std::string m_strTitle;
    std::string m_strPathName;
    bool m_bModified = false;
    bool m_bClosing = false;
    DocTemplate* m_pDocTemplate = nullptr;
    std::vector<View*> m_views;
};

} // namespace fw
