#include <cstring>

#include "framework/common_dialogs.h"

namespace fw {

std::optional<FontChoice> ChooseScreenFont(HWND owner, const LOGFONTA& initial, COLORREF color,
                                           DWORD extraFlags)
{
    FontChoice choice;
    choice.font = initial;
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &choice.font;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | extraFlags;
    cf.rgbColors = color;
    if (!ChooseFontA(&cf))
        return std::nullopt;
    choice.color = cf.rgbColors;
    choice.pointSize = cf.iPointSize;
    return choice;
}

bool PrinterSettings::Run(HWND owner, DWORD flags)
{
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = owner;
    pd.Flags = flags;
    return RunDialog(pd);
}

bool PrinterSettings::RunDialog(PRINTDLGA& pd)
{
    // The dialog may free these blocks and hand back others: ownership goes
    // over for the call and comes back with whatever it returns.
    pd.hDevMode = m_devMode.release();
    pd.hDevNames = m_devNames.release();
    BOOL ok = PrintDlgA(&pd);
    m_devMode = GlobalMemory(pd.hDevMode);
    m_devNames = GlobalMemory(pd.hDevNames);
    return ok != FALSE;
}

bool PrinterSettings::ShowSetupDialog(HWND owner)
{
    return Run(owner, PD_PRINTSETUP);
}

bool PrinterSettings::LoadDefault()
{
    return Run(nullptr, PD_RETURNDEFAULT);
}

std::string PrinterSettings::DeviceName() const
{
    GlobalLockGuard<DEVNAMES> names(m_devNames);
    if (!names)
        return {};
    const char* base = reinterpret_cast<const char*>(names.get());
    const size_t size = GlobalSize(m_devNames.get());
    const size_t offset = names.get()->wDeviceOffset;
    if (offset >= size)
        return {};
    return std::string(base + offset, strnlen(base + offset, size - offset));
}

OwnedDC PrinterSettings::CreatePrinterDC() const
{
    GlobalLockGuard<DEVNAMES> names(m_devNames);
    if (!names)
        return {};
    const char* base = reinterpret_cast<const char*>(names.get());
    const size_t size = GlobalSize(m_devNames.get());
    const DEVNAMES& dn = *names.get();
    if (dn.wDriverOffset >= size || dn.wDeviceOffset >= size || dn.wOutputOffset >= size ||
        base[size - 1] != '\0')
        return {};
    GlobalLockGuard<DEVMODEA> mode(m_devMode);
    return OwnedDC(CreateDCA(base + dn.wDriverOffset, base + dn.wDeviceOffset,
                             base + dn.wOutputOffset, mode.get()));
}

} // namespace fw
