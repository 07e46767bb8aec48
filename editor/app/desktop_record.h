// The desktop's profile texts: a window's placement record ("0010 0020 0600
// 0400 0000 0000": the normal rectangle, then the minimised and maximised
// flags, each "%04d") and the stacking-order list of desktop keys.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PlacementRecord {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool minimized = false;
    bool maximized = false; // when minimised: it returns to maximised
};

inline constexpr std::size_t kPlacementRecordLength = 29;

// An editor window takes only a record of exactly 29 characters (a wider
// number, such as a left edge of -1000, makes it longer and it is ignored);
// the main window takes any record of at least 29.
enum class PlacementOwner { EditorWindow, MainWindow };

std::string FormatPlacement(const PlacementRecord& record);
std::optional<PlacementRecord> ParsePlacement(std::string_view text, PlacementOwner owner);

// How a record shows its window.
enum class PlacementShow { Normal, Maximized, MinimizedNoActivate };
struct PlacementState {
    PlacementShow show = PlacementShow::Normal;
    bool restoreToMaximized = false;
};
PlacementState StateOf(const PlacementRecord& record);

// The z-order text: the slots from the last (bottom-most) to the first
// (topmost), comma-separated, an empty slot giving an empty item.
std::string BuildZOrder(const std::vector<std::string>& slots);
// Its keys in order, empty items skipped.
std::vector<std::string> SplitZOrder(std::string_view text);
