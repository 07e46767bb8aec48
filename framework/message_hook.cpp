#include "framework/message_hook.h"

#include <utility>

namespace fw {

namespace {

MessageHook& Hook()
{
    static MessageHook hook;
    return hook;
}

std::string ModuleBaseName()
{
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name(path, n < sizeof path ? n : 0);
    std::string::size_type slash = name.find_last_of("\\/:");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

std::string& Caption()
{
    static std::string caption = ModuleBaseName();
    return caption;
}

} // namespace

MessageHook SetMessageHook(MessageHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

void SetMessageCaption(std::string caption)
{
    Caption() = std::move(caption);
}

const std::string& GetMessageCaption()
{
    return Caption();
}

int ShowMessage(HWND owner, const std::string& text, UINT type)
{
    // A copy: the hook may replace itself while it runs.
    if (MessageHook hook = Hook())
        return hook(owner, text, type);
    return MessageBoxA(owner, text.c_str(), Caption().c_str(), type);
}

} // namespace fw
