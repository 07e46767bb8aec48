// fw::DocTemplate: joins a document class, a frame class and a view class
// under one resource id (menu, accelerators, icon, description string) and
// owns the documents it made.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/command_target.h"

namespace fw {

class Document;
class FrameWnd;
class View;

class DocTemplate : public CommandTarget {
public:
    using DocumentFactory = std::function<std::unique_ptr<Document>()>;
    using FrameFactory = std::function<std::unique_ptr<FrameWnd>()>;
    using ViewFactory = std::function<std::unique_ptr<View>()>;

    // The parts of the description string (resource string `idResource`):
    // "window title\ndoc name\nfile-new name\nfilter name\nfilter ext\n
    //  file type id\nfile type name".
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    DocTemplate(UINT idResource, DocumentFactory makeDocument, FrameFactory makeFrame,
                ViewFactory makeView);
    ~DocTemplate() override;
    DocTemplate(const DocTemplate&) = delete;
    DocTemplate& operator=(const DocTemplate&) = delete;

    UINT GetResourceId() const { return m_nIDResource; }
    std::string GetDocString(DocStringIndex index) const;
    // The style of the frames it makes (default WS_OVERLAPPEDWINDOW).
    void SetFrameStyle(DWORD style) { m_frameStyle = style; }
    // The template's own menu and accelerators, when its resources have them.
    HMENU GetMenu() const { return m_menu; }
    HACCEL GetAccelerators() const { return m_accel; }

    std::vector<Document*> GetDocuments() const;
    size_t GetDocumentCount() const { return m_documents.size(); }

    // Opens `path` as a new document in a new frame (always a new
    // document); an empty path makes a new untitled one.  Null on failure
    // (reported).
    virtual Document* OpenDocumentFile(const std::string& path, bool makeVisible = true);
    // Numbered title of an untitled document ("Doc1", "Doc2", ...).
    virtual void SetDefaultTitle(Document& document);

    enum class Confidence {
        No,
        MaybeAttemptForeign,
        MaybeAttemptNative,
        YesAttemptNative,
        YesAlreadyOpen
    };
    // How well `path` suits this template; an open document of it is
    // returned in `match`.
    virtual Confidence MatchDocType(const std::string& path, Document*& match) const;

    Document* CreateNewDocument();
    // A new frame with its views for `document`; `other` is the frame a
    // New Window copies.  Null on failure.
    virtual FrameWnd* CreateNewFrame(Document& document, FrameWnd* other);
    // The initial update of a new frame: a program may act on the frame
    // before (and after) the layer's own.
    virtual void InitialUpdateFrame(FrameWnd& frame, Document* document, bool makeVisible = true);
    std::unique_ptr<View> CreateView() const;

    // The documents call these.
    void RemoveDocument(Document* document);
    bool SaveAllModified();
    void CloseAllDocuments(bool endSession);

protected:
    Document* AddDocument(std::unique_ptr<Document> document);

    UINT m_nIDResource;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
    ViewFactory m_makeView;
    HMENU m_menu = nullptr;
    HACCEL m_accel = nullptr;
    int m_nUntitledCount = 0;
    DWORD m_frameStyle = WS_OVERLAPPEDWINDOW;

private:
    std::vector<std::unique_ptr<Document>> m_documents;
    std::string m_docStrings;
};

// A multiple-document program's template: each open makes a new document
// in a new MDI child frame.
class MultiDocTemplate : public DocTemplate {
public:
    using DocTemplate::DocTemplate;
};

// A single-document program's template: one document in the main frame,
// reused by New and Open.
class SingleDocTemplate : public DocTemplate {
public:
    using DocTemplate::DocTemplate;
    Document* OpenDocumentFile(const std::string& path, bool makeVisible = true) override;
    void SetDefaultTitle(Document& document) override;
};

// The factory of the common case: fw::Make<CMyDoc>().
template <class T> auto Make()
{
    return [] { return std::make_unique<T>(); };
}

} // namespace fw
