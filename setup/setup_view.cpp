#include "setup/setup_view.h"

#include "resource.h"
#include "setup/wizard_pages.h"

namespace {

fw::Bitmap LoadPicture(int id)
{
    return fw::Bitmap(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
}

WizardPage PageOf(unsigned id)
{
    switch (id) {
    case ID_WIZARD_DESTINATION:
        return WizardPage::Destination;
    case ID_WIZARD_SETUPTYPE:
        return WizardPage::SetupType;
    case ID_WIZARD_COMPONENTS:
        return WizardPage::Components;
    default:
        return WizardPage::Welcome;
    }
}

// Copying keeps the thread from its queue.  Some window systems (Wine's)
// put what was painted on the screen only when the thread looks at its
// queue: a look at paint messages shows the new picture without taking any
// input.
void ShowPaintedNow()
{
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE);
}

} // namespace

CSetupView::CSetupView(InstallModel& model)
    : m_model(model), m_backdropPicture(LoadPicture(IDB_BACKDROP)),
      m_pagePicture(LoadPicture(IDB_PAGE_PICTURE)), m_painter(m_backdropPicture.get())
{
}

CSetupView::~CSetupView() = default;

bool CSetupView::HandleCommand(UINT id, fw::CmdCode code, fw::CmdUI* ui)
{
    static const fw::CommandMap<CSetupView> map{
        {ID_WIZARD_WELCOME, ID_WIZARD_DESTINATION, &CSetupView::OnPageCommand},
        {ID_WIZARD_INSTALL, &CSetupView::InstallFiles},
    };
    return map.Dispatch(*this, id, code, ui) || fw::View::HandleCommand(id, code, ui);
}

void CSetupView::OnPageCommand(UINT id)
{
    RunPage(PageOf(id));
}

void CSetupView::RunPage(WizardPage page)
{
    const PageResult result = ShowPage(page);
    // Posted: the next page begins once this one is gone.
    PostMessageA(Frame(), WM_COMMAND, AfterPage(page, result, m_choices, m_model), 0);
}

PageResult CSetupView::ShowPage(WizardPage page)
{
    const HWND owner = Frame();
    const HBITMAP picture = m_pagePicture.get();
    switch (page) {
    case WizardPage::Welcome:
        return CWelcomePage(owner, picture, m_model).Run();
    case WizardPage::Destination:
        return CDestinationPage(owner, picture, m_model).Run();
    case WizardPage::SetupType: {
        CSetupTypePage setupType(owner, picture, m_model);
        const PageResult result = setupType.Run();
        m_choices.kind = setupType.Kind();
        return result;
    }
    case WizardPage::Components: {
        CComponentsPage components(owner, picture, m_model);
        const PageResult result = components.Run();
        m_choices.checked = components.Checked();
        return result;
    }
    }
    return PageResult::Cancel;
}

void CSetupView::InstallFiles()
{
    m_messages.SetOwner(Frame());
    m_engine = std::make_unique<InstallEngine>(
        m_model, InstallServices{m_versions, m_platform, m_messages, *this, m_progman});
    m_engine->InstallFiles();
}

const InstallProgress* CSetupView::Progress() const
{
    return m_engine ? &m_engine->Progress() : nullptr;
}

void CSetupView::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    RECT client{};
    GetClientRect(m_hWnd, &client);
    InstallProgress idle;
    InstallProgress& progress = m_engine ? m_engine->Progress() : idle;
    m_painter.Paint(dc, ps.rcPaint, client.right, client.bottom, progress, m_barRect);
    EndPaint(m_hWnd, &ps);
}

void CSetupView::Repaint(const PixelRect& area)
{
    const RECT rect{area.left, area.top, area.right, area.bottom};
    InvalidateRect(m_hWnd, &rect, FALSE);
    UpdateWindow(m_hWnd);
    ShowPaintedNow();
}

void CSetupView::RepaintAll()
{
    InvalidateRect(m_hWnd, nullptr, FALSE);
    UpdateWindow(m_hWnd);
    ShowPaintedNow();
}

void CSetupView::RepaintCaptionStrip()
{
    Repaint(CaptionStrip(m_barRect));
}

void CSetupView::RepaintBar()
{
    Repaint(m_barRect);
}

void CSetupView::BringToTop()
{
    BringWindowToTop(Frame());
}

void CSetupView::SendExit()
{
    SendMessageA(Frame(), WM_COMMAND, ID_APP_EXIT, 0);
}

void CSetupView::PostExit()
{
    PostMessageA(Frame(), WM_COMMAND, ID_APP_EXIT, 0);
}

HWND CSetupView::Frame() const
{
    return GetParent(m_hWnd);
}

LRESULT CSetupView::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // The paint fills the background itself.
    if (msg == WM_ERASEBKGND)
        return 1;
    return fw::View::WindowProc(msg, wParam, lParam);
}
