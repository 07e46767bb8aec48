// The editor's accelerator tables as data; the Win32 side turns them into
// ACCEL tables.
#pragma once
#include <cstdint>
#include <span>

// Virtual-key codes, with the platform's numbers.
namespace vk {
inline constexpr std::uint16_t Back = 0x08, Tab = 0x09, Return = 0x0D, Escape = 0x1B;
inline constexpr std::uint16_t Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24;
inline constexpr std::uint16_t Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28;
inline constexpr std::uint16_t Insert = 0x2D, Delete = 0x2E;
inline constexpr std::uint16_t Add = 0x6B, Subtract = 0x6D; // numeric keypad
inline constexpr std::uint16_t F1 = 0x70, F2 = 0x71, F3 = 0x72, F5 = 0x74, F6 = 0x75;
inline constexpr std::uint16_t F11 = 0x7A, F12 = 0x7B;
constexpr std::uint16_t Letter(char c)
{
    return static_cast<std::uint16_t>(c);
} // 'A'..'Z'
} // namespace vk

// Modifier bits, the same as the platform's accelerator flags.
enum KeyModifier : std::uint8_t {
    kNoModifier = 0,
    kShift = 0x04,
    kControl = 0x08,
    kAlt = 0x10,
};

struct KeyBinding {
    std::uint16_t key;      // virtual-key code
    std::uint8_t modifiers; // KeyModifier bits
    std::uint16_t command;
};

// The main accelerator table: every key of the editor windows and frames.
std::span<const KeyBinding> EditorKeyMap();
// The print preview window's own table.
std::span<const KeyBinding> PreviewKeyMap();

// The command bound to key + modifiers, or 0.
std::uint16_t CommandForKey(std::span<const KeyBinding> map, std::uint16_t key,
                            std::uint8_t modifiers);
