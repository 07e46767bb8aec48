// The windows of a CPersistentApp: the template that hands each new editor
// window its desktop key, the main window that keeps its placement, and the
// editor window that writes its entry when destroyed and takes its stored
// placement when first shown.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "editor/app/desktop_record.h"
#include "framework/doc_template.h"
#include "framework/mdi_child.h"
#include "framework/mdi_frame.h"

// The window's placement as a record, and a record applied to it (the show
// command it was shown with, for the caller to pass on).
PlacementRecord QueryPlacement(HWND window);
int ApplyPlacement(HWND window, const PlacementRecord& record);

class CPerMultiDocTemplate : public fw::MultiDocTemplate {
public:
    using fw::MultiDocTemplate::MultiDocTemplate;
    void InitialUpdateFrame(fw::FrameWnd& frame, fw::Document* document,
                            bool makeVisible = true) override;

    // The key of the desktop entry being opened, until its window takes it.
    std::string m_strPendingKey;
};

class CPerMainFrame : public fw::MDIFrameWnd {
public:
    virtual void SavePlacement();
    virtual void RestorePlacement();

    std::int32_t m_bFirstShow = 1;

protected:
    void OnDestroy() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class CPerMDIChildWnd : public fw::MDIChildWnd {
public:
    // Writes this window's desktop entry under a new key.
    virtual void SavePlacement();
    // The stored placement of the desktop key applied; returns the show
    // command to go on with (`nCmdShow` when there is no usable record).
    int RestorePlacement(int nCmdShow);
    void ActivateFrame(int nCmdShow = -1) override;
    void DestroyFrame() override;
    // The placement its entry records.
    PlacementRecord PlacementForEntry() const;

    std::string m_strDesktopKey;
    std::int32_t m_nTemplateId = 0;
    std::int32_t m_nZOrderPos = -1; // none until an exit snapshot counts it

protected:
    void OnDestroy() override;

private:
    std::optional<PlacementRecord> m_placementAtClose;
};
