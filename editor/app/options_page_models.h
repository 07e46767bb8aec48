// What the "Extensions" and "Colors" option pages edit while the sheet is up:
// the working copy of the file-type list with its selection, and the colour
// codes of the seven colour items with the selected one. The pages show
// these; only OK hands them back to the application.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "editor/app/settings_extension_table.h"
#include "editor/base/settings_colors.h"

class ExtensionList {
public:
    explicit ExtensionList(std::vector<ExtensionEntry> entries);

    const std::vector<ExtensionEntry>& Entries() const { return m_entries; }
    // -1 only while the list is empty.
    int Selected() const { return m_selected; }
    void Select(int index);
    void SetDescription(std::string description);
    void SetMask(std::string mask);

    // "New item" / "*.*" at the selected place (the first place when empty);
    // false when the list is full.
    bool AddNew();
    // Removes the selected entry while more than one is left.
    bool Delete();
    // Swaps the selected entry with its neighbour `step` places away (-1 up,
    // +1 down); false at the edge.
    bool Move(int step);

private:
    std::vector<ExtensionEntry> m_entries;
    int m_selected = -1;
};

inline constexpr int kColorPageItems = kColorItemCount / 2;
inline constexpr std::array<const char*, kColorPageItems> kColorItemNames = {
    "Text (Default)", "Text Selection",          "Bookmarks", "C keyword", "C++ keyword",
    "Comment",        "Preprocessor directives",
};
// What "Reset" gives each ColorItem: a new profile's codes, except the
// bookmark background and the C++ keyword colour.
inline constexpr std::array<ColorCode, kColorItemCount> kResetColorCodes = {
    1069, 1086, 1070, 1085, 1069, 1100, 1073, 1086, 1071, 1086, 1080, 1086, 1073, 1086,
};

// The swatch of the palette a code shows, 0..15 (black for a foreign code).
int PaletteIndex(ColorCode code);

class ColorChoice {
public:
    explicit ColorChoice(const ColorEntries& entries);

    int Item() const { return m_item; }
    void SelectItem(int item);
    ColorCode TextCode() const { return m_codes[2 * m_item]; }
    ColorCode BackCode() const { return m_codes[2 * m_item + 1]; }

    // A swatch was clicked: text swatches set the selected item's text
    // colour, background swatches its background. False for other ids.
    bool Choose(int swatchId);
    // The swatch carries the highlight frame: it shows the selected item's
    // colour in its group.
    bool IsHighlighted(int swatchId) const;

    void Reset();
    void ResetAll();

    // The codes and the colours derived from them.
    void StoreInto(ColorEntries& entries) const;

private:
    std::array<ColorCode, kColorItemCount> m_codes{};
    int m_item = 0;
};
