// CTabBar: the bar at the bottom with one tab per open document, sorted by
// name, and the four buttons that go to the first, previous, next and last
// tab.  Clicking a tab brings its document's window to the front.
#pragma once
#include <windows.h>

#include <string>

#include "editor/app/frame_hooks.h"
#include "framework/dialog_bar.h"
#include "framework/handles.h"

namespace fw {
class Document;
}

class CTabBar : public fw::DialogBar, public TabBarHook {
public:
    CTabBar();
    ~CTabBar() override;

    // Docks the bar at the main frame's bottom edge (once).
    bool Create() override;
    // 0 first, 1 previous, 2 next, 3 last: that tab's window becomes active.
    void Activate(int which) override;

    // The tab text is the path after its last backslash; an old tab of the
    // document goes first.
    void AddDocumentTab(fw::Document& document);
    // Nothing when the document already has a tab.
    void AddNamedTab(const std::string& text, fw::Document& document);
    void RemoveTab(fw::Document& document);
    void SelectTab(fw::Document& document);
    // The tabs follow the open documents, their names and the active window.
    void Synchronize();

    HWND GetTabList() const;
    int TabCount() const;
    std::string TabText(int index) const;
    fw::Document* TabDocument(int index) const;
    int CurrentTab() const;

    void OnUpdateCmdUI(fw::CommandTarget& target, bool disableIfNoHandler) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    int FindTab(const fw::Document& document) const;
    void InsertTab(const std::string& text, fw::Document& document);
    void UpdateColumnWidth();
    void Layout(int width, int height);
    void ActivateDocument(fw::Document* document);
    void DrawButton(const DRAWITEMSTRUCT& item);
    void DrawTab(const DRAWITEMSTRUCT& item);

    fw::OwnedIcon m_icons[4];
    fw::Document* m_previous = nullptr;
};

// The text of a document's tab: its file name, or its title while it has none.
std::string DocumentTabText(const fw::Document& document);
