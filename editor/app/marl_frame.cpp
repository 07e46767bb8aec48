#include "editor/app/marl_frame.h"

#include "editor/view/marl_view.h"

bool CMarlFrame::OnCreateClient(CREATESTRUCTA&, fw::CreateContext* context)
{
    m_viewKeys.reset(CreateViewAccelerators());
    // The first pane is a view of the template's view class.
    return m_wndSplitter.CreateDynamic(*this, kMaxRows, kMinPane, context);
}

bool CMarlFrame::PreTranslateMessage(MSG& msg)
{
    // The editor window's keys come before the frame's and the main frame's.
    if (m_viewKeys && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST &&
        TranslateAcceleratorA(m_hWnd, m_viewKeys.get(), &msg))
        return true;
    return CPerMDIChildWnd::PreTranslateMessage(msg);
}
