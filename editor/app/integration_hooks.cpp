#include "editor/app/integration_hooks.h"

#include "editor/integration/tip_dialog.h"
#include "framework/application.h"

void CTipOfTheDay::ShowTip()
{
    const fw::Application* app = fw::Application::Current();
    CTipDlg dialog(app ? app->GetMainWnd() : nullptr, m_tipsFile);
    dialog.DoModal();
}
