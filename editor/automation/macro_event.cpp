#include "editor/automation/macro_event.h"

namespace {

void Put(std::uint32_t value, unsigned char* bytes)
{
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint32_t Get(const unsigned char* bytes)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

} // namespace

void EncodeMacroEvent(const MacroEvent& event, unsigned char* bytes)
{
    Put(event.message, bytes);
    Put(event.paramL, bytes + 4);
    Put(event.paramH, bytes + 8);
    Put(event.time, bytes + 12);
    Put(event.window, bytes + 16);
}

MacroEvent DecodeMacroEvent(const unsigned char* bytes)
{
    return {Get(bytes), Get(bytes + 4), Get(bytes + 8), Get(bytes + 12), Get(bytes + 16)};
}

bool IsMacroKeyEvent(const MacroEvent& event)
{
    switch (event.message) {
    case kMacroKeyDown:
    case kMacroKeyUp:
    case kMacroSysKeyDown:
    case kMacroSysKeyUp:
        return true;
    default:
        return false;
    }
}
