#include "editor/app/marl_frame.h"

bool CMarlFrame::OnCreateClient(CREATESTRUCTA&, fw::CreateContext* context)
{
    // The first pane is a view of the template's view class.
    return m_wndSplitter.CreateDynamic(*this, kMaxRows, kMinPane, context);
}
