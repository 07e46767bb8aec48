// One recorded input event as a macro keeps it: five 32-bit fields, stored
// little-endian in 20 bytes, the layout of a macro file.
#pragma once
#include <cstddef>
#include <cstdint>

struct MacroEvent {
    std::uint32_t message = 0; // key down, key up, system key down, system key up, ...
    std::uint32_t paramL = 0;  // keys: virtual key | scan code << 8
    std::uint32_t paramH = 0;  // keys: repeat count, bit 15 the extended-key flag
    std::uint32_t time = 0;    // tick count when the event happened
    std::uint32_t window = 0;  // the window it was for (not used on replay)

    bool operator==(const MacroEvent&) const = default;
};

inline constexpr std::size_t kMacroEventBytes = 20;
inline constexpr std::size_t kMacroBufferBytes = 20480;
inline constexpr int kMacroBufferEvents = static_cast<int>(kMacroBufferBytes / kMacroEventBytes);
// Recording keeps one slot free: the 1024th event is never recorded.
inline constexpr int kMacroRecordLimit = kMacroBufferEvents - 1;

// The input messages a macro names.
inline constexpr std::uint32_t kMacroKeyDown = 0x100;
inline constexpr std::uint32_t kMacroKeyUp = 0x101;
inline constexpr std::uint32_t kMacroSysKeyDown = 0x104;
inline constexpr std::uint32_t kMacroSysKeyUp = 0x105;
inline constexpr std::uint32_t kMacroMouseFirst = 0x200; // mouse move
inline constexpr std::uint32_t kMacroMouseLast = 0x206;  // right-button double click
inline constexpr std::uint32_t kMacroExtendedKey = 0x8000;

void EncodeMacroEvent(const MacroEvent& event, unsigned char* bytes);
MacroEvent DecodeMacroEvent(const unsigned char* bytes);

// Key messages: the virtual key, scan code, key-up and extended flags.
bool IsMacroKeyEvent(const MacroEvent& event);
inline unsigned MacroVirtualKey(const MacroEvent& e)
{
    return e.paramL & 0xFF;
}
inline unsigned MacroScanCode(const MacroEvent& e)
{
    return (e.paramL >> 8) & 0xFF;
}
inline bool IsMacroKeyUp(const MacroEvent& e)
{
    return e.message == kMacroKeyUp || e.message == kMacroSysKeyUp;
}
inline bool IsMacroExtendedKey(const MacroEvent& e)
{
    return (e.paramH & kMacroExtendedKey) != 0;
}
