// CMarlFrame: an editor window, the MDI child that holds one document in a
// dynamic splitter of up to two panes stacked vertically (both panes show
// the same document; the user splits and joins them with the splitter).
// Its keys are the editor window's accelerator table.
#pragma once
#include <windows.h>

#include "framework/handles.h"
#include "editor/app/persistent_frames.h"
#include "framework/splitter.h"

class CMarlFrame : public CPerMDIChildWnd {
public:
    static constexpr int kMaxRows = 2;
    static constexpr SIZE kMinPane{10, 10};

    fw::SplitterWnd& GetSplitter() { return m_wndSplitter; }
    bool PreTranslateMessage(MSG& msg) override;

protected:
    bool OnCreateClient(CREATESTRUCTA& cs, fw::CreateContext* context) override;

private:
    fw::SplitterWnd m_wndSplitter;
    fw::AcceleratorTable m_viewKeys;
};
