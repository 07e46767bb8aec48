// CMarlDoc: the editor's document on Windows.  It wraps the portable
// MarlDocCore (text, journal, file flags, load and save) and adds what
// belongs to windows: the framework's document flows, the tab-bar entry,
// the title, view updates and the document's own commands (Save, Save As,
// Properties, the state of Save, Undo and Redo).
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "editor/doc/change_observer.h"
#include "editor/doc/marl_doc_core.h"
#include "framework/document.h"

class DocTabHost;

// Update hints a document sends its views.
enum MarlUpdateHint : LPARAM {
    kHintRepaint = 0, // repaint; colouring re-decided
    kHintReset = 1,   // loaded or emptied: positions back to the start
    kHintRecount = 2, // line count recomputed, caret replaced
};

// The core announces each change of the text; the document passes it on to
// every view: a change with its notice (hint 0), a reset as hint 1.
class CMarlDoc : public fw::Document, private ChangeObserver {
public:
    CMarlDoc();
    ~CMarlDoc() override;

    // The text and everything the views do with it.
    MarlDocCore& Core() { return *m_core; }
    const MarlDocCore& Core() const { return *m_core; }

    // ---- Framework flows
    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    void OnCloseDocument() override;
    void DeleteContents() override;
    void SetPathName(const std::string& path, bool addToRecentFiles = true) override;

    // Views hold the text locked while they paint or have the focus; the
    // locks of several views nest here (the block's own locks do not).
    void LockText();
    void UnlockText();
    class TextLock {
    public:
        explicit TextLock(CMarlDoc& doc) : m_doc(doc) { m_doc.LockText(); }
        ~TextLock() { m_doc.UnlockText(); }
        TextLock(const TextLock&) = delete;
        TextLock& operator=(const TextLock&) = delete;

    private:
        CMarlDoc& m_doc;
    };

    // An edit went through Core(): the framework's modified flag follows.
    void SyncModified() { SetModifiedFlag(m_core->IsModified()); }
    // The first view is shown: read-only flag from the file, full-path title.
    void OnFirstViewShown();
    // The title the views show: the full path or "Untitled".
    void SetFullPathTitle();

    // The line (one-based) command 119 of the first view goes to; set by
    // whoever sends it.
    long m_nStoredLine = 0;

    // ---- Commands
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileProperties();
    void OnUpdateFileSave(fw::CmdUI& ui);
    void OnUpdateUndo(fw::CmdUI& ui);
    void OnUpdateRedo(fw::CmdUI& ui);

protected:
    bool HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui) override;

private:
    void TextChanged(const ChangeNotice& notice) override;
    void TextReset() override;

    struct Services;
    std::unique_ptr<Services> m_services;
    std::unique_ptr<MarlDocCore> m_core;
    bool m_bViewShown = false;
    int m_nTextLocks = 0;
};

// Where documents list themselves: the application's tab bar.  The
// application object implements it when it has one.
class DocTabHost {
public:
    virtual ~DocTabHost() = default;
    virtual void AddDocTab(CMarlDoc& doc, const std::string& name) = 0;
    virtual void RenameDocTab(CMarlDoc& doc, const std::string& name) = 0;
    virtual void RemoveDocTab(CMarlDoc& doc) = 0;
};
