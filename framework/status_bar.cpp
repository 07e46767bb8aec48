#include "framework/status_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/command_target.h"
#include "framework/frame_wnd.h"
#include "framework/handles.h"
#include "framework/strings.h"

namespace fw {

// A status pane as update handlers see it.
class StatusCmdUI : public CmdUI {
public:
    StatusCmdUI(StatusBar& bar, int index) : CmdUI(bar.GetItemId(index)), m_bar(bar)
    {
        m_nIndex = static_cast<UINT>(index);
    }
    void Enable(bool on) override
    {
        CmdUI::Enable(on);
        m_bar.SetPaneEnabled(static_cast<int>(m_nIndex), on);
    }
    void SetCheck(int check) override
    {
        auto& pane = m_bar.m_panes[m_nIndex];
        if (pane.popOut != (check != 0)) {
            pane.popOut = check != 0;
            m_bar.ShowPane(static_cast<int>(m_nIndex));
        }
    }
    void SetText(std::string_view text) override
    {
        m_bar.SetPaneText(static_cast<int>(m_nIndex), text);
    }

private:
    StatusBar& m_bar;
};

StatusBar::StatusBar() = default;

StatusBar::~StatusBar() = default;

bool StatusBar::Create(FrameWnd& frame, UINT id)
{
    HWND hWnd = CreateWindowExA(
        0, STATUSCLASSNAMEA, nullptr,
        WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
        0, 0, 0, 0, frame.GetHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
        GetModuleHandleA(nullptr), nullptr);
    if (!hWnd || !Attach(hWnd))
        return false;
    m_panes = {Pane{ID_SEPARATOR, std::string(), 0}};
    ControlBar::AttachToFrame(frame, DockEdge::Bottom);
    frame.RecalcLayout();
    return true;
}

bool StatusBar::SetIndicators(std::span<const UINT> ids)
{
    if (!m_hWnd || ids.empty())
        return false;
    m_panes.clear();
    for (UINT id : ids) {
        Pane pane{id, id == ID_SEPARATOR ? std::string() : LoadResString(id), 0};
        pane.width = id == ID_SEPARATOR ? 0 : TextWidth(pane.text);
        m_panes.push_back(std::move(pane));
    }
    UpdateParts();
    for (int i = 0; i < GetPaneCount(); ++i)
        ShowPane(i);
    return true;
}

int StatusBar::TextWidth(const std::string& text) const
{
    ClientDC dc(m_hWnd);
    auto font = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SelectGuard select(dc.get(), font);
    SIZE extent{};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx + 2 * GetSystemMetrics(SM_CXEDGE) + 6;
}

UINT StatusBar::GetItemId(int index) const
{
    return index >= 0 && index < GetPaneCount() ? m_panes[static_cast<size_t>(index)].id : 0;
}

int StatusBar::CommandToIndex(UINT id) const
{
    for (int i = 0; i < GetPaneCount(); ++i)
        if (m_panes[static_cast<size_t>(i)].id == id)
            return i;
    return -1;
}

void StatusBar::SetPaneText(int index, std::string_view text)
{
    if (index < 0 || index >= GetPaneCount())
        return;
    Pane& pane = m_panes[static_cast<size_t>(index)];
    if (pane.text == text)
        return; // idle updates come often: no flicker
    pane.text.assign(text);
    ShowPane(index);
}

const std::string& StatusBar::GetPaneText(int index) const
{
    static const std::string none;
    return index >= 0 && index < GetPaneCount() ? m_panes[static_cast<size_t>(index)].text : none;
}

std::string StatusBar::GetShownText(int index) const
{
    if (index < 0 || index >= GetPaneCount())
        return {};
    char text[512] = {};
    DWORD result = static_cast<DWORD>(SendMessageA(m_hWnd, SB_GETTEXTLENGTHA, index, 0));
    if (LOWORD(result) >= sizeof text)
        return m_panes[static_cast<size_t>(index)].text;
    SendMessageA(m_hWnd, SB_GETTEXTA, index, reinterpret_cast<LPARAM>(text));
    return text;
}

void StatusBar::SetPaneEnabled(int index, bool enabled)
{
    if (index < 0 || index >= GetPaneCount())
        return;
    Pane& pane = m_panes[static_cast<size_t>(index)];
    if (pane.enabled == enabled)
        return;
    pane.enabled = enabled;
    ShowPane(index);
}

bool StatusBar::IsPaneEnabled(int index) const
{
    return index >= 0 && index < GetPaneCount() && m_panes[static_cast<size_t>(index)].enabled;
}

int StatusBar::GetPaneWidth(int index) const
{
    return index >= 0 && index < GetPaneCount() ? m_panes[static_cast<size_t>(index)].width : 0;
}

void StatusBar::ShowPane(int index)
{
    const Pane& pane = m_panes[static_cast<size_t>(index)];
    UINT flags = index == 0 ? SBT_NOBORDERS : (pane.popOut ? SBT_POPOUT : 0);
    const std::string& shown = pane.enabled ? pane.text : std::string();
    SendMessageA(m_hWnd, SB_SETTEXTA, static_cast<WPARAM>(index) | flags,
                 reinterpret_cast<LPARAM>(shown.c_str()));
}

void StatusBar::UpdateParts()
{
    if (m_panes.empty())
        return;
    RECT area{};
    GetClientRect(m_hWnd, &area);
    const bool grip = GetWindowLongPtrA(m_hWnd, GWL_STYLE) & SBARS_SIZEGRIP;
    // The indicators line up at the right; the message pane takes the rest.
    int edge = area.right - (grip ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    std::vector<int> rights(m_panes.size());
    for (size_t i = m_panes.size() - 1; i > 0; --i) {
        rights[i] = i == m_panes.size() - 1 ? -1 : edge;
        edge -= m_panes[i].width;
    }
    rights[0] = m_panes.size() == 1 ? -1 : std::max(edge, 0);
    SendMessageA(m_hWnd, SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
}

int StatusBar::CalcThickness(DockEdge, int)
{
    ClientDC dc(m_hWnd);
    auto font = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SelectGuard select(dc.get(), font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.get(), &metrics);
    return std::max(static_cast<int>(metrics.tmHeight) + 4 * GetSystemMetrics(SM_CYEDGE) + 2, 20);
}

void StatusBar::OnUpdateCmdUI(CommandTarget& target, bool)
{
    // A pane nobody serves keeps what it shows (at first its string): panes
    // are indicators, not commands, so no handler does not mean disabled.
    for (int i = 1; i < GetPaneCount(); ++i) {
        StatusCmdUI ui(*this, i);
        ui.m_nIndexMax = static_cast<UINT>(GetPaneCount());
        ui.DoUpdate(target, false);
    }
}

LRESULT StatusBar::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SIZE: {
        LRESULT result = DefaultProc(msg, wParam, lParam);
        UpdateParts();
        return result;
    }
    case WM_DESTROY:
        ControlBar::DetachFromFrame();
        break;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

} // namespace fw
