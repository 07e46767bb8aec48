// fw::FrameWnd: a frame window with a menu, accelerators, docked bars, an
// active view and command routing (active view, then the frame, then the
// application).  The base of the MDI main frame and the MDI child frames.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/command_target.h"
#include "framework/control_bar.h"
#include "framework/handles.h"
#include "framework/window.h"

namespace fw {

class Document;
class DocTemplate;
class StatusBar;
class View;

// What a new frame needs to make its views.
struct CreateContext {
    Document* document = nullptr;
    DocTemplate* docTemplate = nullptr;
    // New Window: the frame whose document gets a second frame.
    class FrameWnd* lastFrame = nullptr;
};

class FrameWnd : public Window, public CommandTarget {
public:
    FrameWnd();
    ~FrameWnd() override;

    // Creates the frame with the menu, accelerators, icon and title of
    // resource `idResource` (the title is the string's first "\n" part, or
    // the application title).  `parent` is the MDI frame of a child frame.
    virtual bool LoadFrame(UINT idResource, DWORD style, FrameWnd* parent, CreateContext* context);
    UINT GetResourceId() const { return m_nIDResource; }

    // The frame's title without the document part.
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(std::string title) { m_strTitle = std::move(title); }

    // Active view and document.  An MDI main frame answers for its active
    // child.
    virtual View* GetActiveView() const { return m_pActiveView; }
    virtual void SetActiveView(View* view, bool notify = true);
    virtual Document* GetActiveDocument() const;
    // The frame whose view is active: an MDI main frame's active child.
    virtual FrameWnd* GetActiveFrame() { return this; }
    // The views of this frame (in a splitter or not), in child order.
    std::vector<View*> GetViews() const;

    // Shows and activates the frame (-1: the frame's usual way).
    virtual void ActivateFrame(int nCmdShow = -1);
    // Once the views exist: makes the first view active, gives every view
    // its initial update and, when `makeVisible`, activates the frame.
    virtual void InitialUpdateFrame(Document* document, bool makeVisible);
    virtual void OnUpdateFrameTitle(bool addToTitle);
    // Destroys the frame's window (an MDI child asks its MDI client).
    virtual void DestroyFrame();
    // When a document has several frames: this frame's number (1, 2, ...)
    // shown as "title:n"; 0 otherwise.
    int m_nWindow = 0;

    // ---- Bars ----
    void EnableDocking(DWORD edges) { m_dockEdges = edges; }
    DWORD GetDockingEdges() const { return m_dockEdges; }
    // Moves `bar` to `edge` when both the bar's and the frame's docking
    // allow it; true when it is there.
    bool DockControlBar(ControlBar& bar, DockEdge edge);
    ControlBar* GetControlBar(UINT id) const;
    const std::vector<ControlBar*>& GetControlBars() const { return m_bars; }
    void ShowControlBar(ControlBar* bar, bool show);
    // Lays the bars out along the edges and gives the rest to the client
    // (the MDI client or the view).
    void RecalcLayout();
    StatusBar* GetMessageBar() const;
    // The rectangle left for the client once the bars are placed.
    RECT GetClientArea() const { return m_clientArea; }

    // ---- Status-bar prompts ----
    void SetMessageText(const std::string& text);
    // The first "\n" part of string `id`.
    void ShowPrompt(UINT id);
    // The text shown when no prompt is: "Ready" unless overridden.
    virtual std::string GetIdleText();
    void ShowIdleText();

    // Idle time: bar items follow their update handlers; titles follow the
    // documents.
    virtual void OnIdleUpdateCmdUI();

    bool OnCmdMsg(UINT id, CmdCode code, CmdUI* ui) override;
    bool PreTranslateMessage(MSG& msg) override;

    // A menu item, tool button or dialog-bar control was chosen: runs the
    // command through the routing unless it is disabled.  Returns false
    // when nothing ran it.
    bool OnCommand(UINT id);

    // The bars call these.
    void AddControlBar(ControlBar* bar);
    void RemoveControlBar(ControlBar* bar);
    // The view calls this when it is destroyed.
    void OnViewDestroyed(View* view);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool HandleCommand(UINT id, CmdCode code, CmdUI* ui) override;
    // Route without the application: the active view, then this frame.
    bool RouteToViewAndSelf(UINT id, CmdCode code, CmdUI* ui);

    // Message handlers a program may extend (call the base).
    // After the frame's own creation: bars; false fails the creation.
    virtual bool OnCreate(CREATESTRUCTA& cs);
    // The client: by default one view of the context's template.
    virtual bool OnCreateClient(CREATESTRUCTA& cs, CreateContext* context);
    virtual void OnClose();
    virtual void OnDestroy();
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnDropFiles(const std::vector<std::string>& files);
    // The application as a whole gains or loses activation.
    virtual void OnActivateApp(bool active, DWORD otherThread);
    // Notifications of controls (other than clicks) from bars and views.
    virtual bool OnControlNotify(UINT id, UINT code, HWND control);
    // The window's default procedure (an MDI frame: DefFrameProc).
    virtual LRESULT DefFrameProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Places the client (view or MDI client) in `area`.
    virtual void RepositionClient(const RECT& area);
    // The accelerator table in force for `msg` (default: the frame's).
    HACCEL GetDefaultAccelerator() const { return m_accel; }
    // Registers the window class of this kind of frame; returns its name.
    virtual std::string RegisterFrameClass(UINT idResource);
    void OnFinalRelease() override;

    // The shown text when it differs (no flicker from idle updates).
    void SetWindowTextIfChanged(const std::string& text);
    void UpdateMenuPopup(HMENU popup);

    UINT m_nIDResource = 0;
    std::string m_strTitle;
    HACCEL m_accel = nullptr;       // loaded from resources: the module's
    HMENU m_hMenuDefault = nullptr; // the window owns it while attached
    View* m_pActiveView = nullptr;
    std::unique_ptr<View> m_ownedView;
    bool m_bInMenu = false;
    CreateContext* m_pCreateContext = nullptr;

private:
    LRESULT OnCommandMessage(WPARAM wParam, LPARAM lParam);
    void OnMenuSelect(UINT item, UINT flags, HMENU menu);
    LRESULT OnNotify(NMHDR& header);
    void OnDropFilesMessage(HDROP drop);
    void OnUpdateControlBarMenu(CmdUI& ui);
    bool OnBarCheck(UINT id);
    void OnUpdateKeyIndicator(CmdUI& ui);
    void LayoutBar(ControlBar& bar, RECT& area);
    void SetPaneZero(const std::string& text);

    std::vector<ControlBar*> m_bars;
    DWORD m_dockEdges = 0;
    RECT m_clientArea{};
    bool m_bIdleTextShown = true;
};

// The frame a window belongs to (the nearest fw::FrameWnd above it).
FrameWnd* GetParentFrame(HWND hWnd);

} // namespace fw
