#include "framework/testing/input.h"

#include <algorithm>
#include <iterator>

#include "framework/command_target.h"
#include "framework/handles.h"
#include "framework/testing/pump.h"

namespace fw::test {

void PressKey(Application& app, UINT vk, std::initializer_list<UINT> held)
{
    BYTE saved[256];
    GetKeyboardState(saved);
    BYTE state[256];
    std::copy(std::begin(saved), std::end(saved), std::begin(state));
    bool alt = false;
    for (UINT key : held) {
        state[key] |= 0x80;
        if (key == VK_MENU)
            alt = true;
    }
    SetKeyboardState(state);
    HWND target = GetFocus();
    const UINT scan = MapVirtualKeyA(vk, 0);
    const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16) | (alt ? (1L << 29) : 0);
    PostMessageA(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, down);
    Pump(app);
    PostMessageA(target, alt ? WM_SYSKEYUP : WM_KEYUP, vk, down | (3L << 30));
    Pump(app);
    SetKeyboardState(saved);
}

void TypeChars(Application& app, const std::string& text)
{
    for (char c : text)
        PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
    Pump(app);
}

std::string ClipboardText(HWND owner)
{
    ClipboardSession clipboard(owner);
    HANDLE data = clipboard.GetData(CF_TEXT);
    if (!data)
        return "<none>";
    GlobalLockGuard<char> bytes(static_cast<HGLOBAL>(data));
    return bytes ? std::string(bytes.get()) : std::string();
}

void SetClipboardText(HWND owner, const std::string& text)
{
    ClipboardSession clipboard(owner);
    clipboard.Empty();
    GlobalMemory memory = GlobalMemory::Alloc(text.size() + 1);
    {
        GlobalLockGuard<char> bytes(memory);
        std::copy(text.begin(), text.end(), bytes.get());
        bytes.get()[text.size()] = '\0';
    }
    clipboard.SetData(CF_TEXT, memory);
}

void ClearClipboard(HWND owner)
{
    ClipboardSession clipboard(owner);
    clipboard.Empty();
}

namespace {
struct CommandState {
    bool enabled;
    int check;
    std::string text;
};

CommandState Ask(CommandTarget& target, UINT id)
{
    StateCmdUI ui(id);
    ui.DoUpdate(target, true);
    return {ui.m_bEnabled, ui.m_nCheck, ui.m_text};
}
} // namespace

bool IsCommandEnabled(CommandTarget& target, UINT id)
{
    return Ask(target, id).enabled;
}

int CommandCheck(CommandTarget& target, UINT id)
{
    return Ask(target, id).check;
}

std::string CommandText(CommandTarget& target, UINT id)
{
    return Ask(target, id).text;
}

} // namespace fw::test
