#include "editor/view/view_context_menu.h"

#include "resource.h"

namespace {

enum class Shown { Always, WithSelection, WithoutSelection };

struct Item {
    UINT id; // 0: a separator
    const char* text;
    Shown shown;
};

constexpr Item kItems[] = {
    {ID_HELP, "Help", Shown::Always},
    {ID_EDIT_CUT, "Cut", Shown::WithSelection},
    {ID_EDIT_COPY, "Copy", Shown::WithSelection},
    {ID_EDIT_PASTE, "Paste", Shown::Always},
    {ID_FILE_INSERT, "Insert file", Shown::WithoutSelection},
    {ID_CLIPBOARD_APPEND, "Append", Shown::WithSelection},
    {ID_SELECT_ALL, "Select all", Shown::Always},
    {0, nullptr, Shown::Always},
    {ID_CONVERT_UPPER, "Uppercase", Shown::Always},
    {ID_CONVERT_LOWER, "Lowercase", Shown::Always},
    {ID_CONVERT_DECIMAL, "Convert to decimal", Shown::WithSelection},
    {ID_CONVERT_HEX, "Convert to hex", Shown::WithSelection},
    {ID_CONVERT_OCTAL, "Convert to octal", Shown::WithSelection},
    {0, nullptr, Shown::Always},
    {ID_FILE_PROPERTIES, "Properties...", Shown::Always},
};

} // namespace

fw::OwnedMenu BuildContextMenu(bool withSelection)
{
    fw::OwnedMenu menu(CreatePopupMenu());
    if (!menu)
        return menu;
    const Shown skipped = withSelection ? Shown::WithoutSelection : Shown::WithSelection;
    for (const Item& item : kItems) {
        if (item.shown == skipped)
            continue;
        if (item.id == 0)
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(menu.get(), MF_STRING, item.id, item.text);
    }
    return menu;
}

void TrackContextMenu(HWND view, HWND frame, bool withSelection, int x, int y)
{
    fw::OwnedMenu menu = BuildContextMenu(withSelection);
    if (!menu)
        return;
    POINT at{x, y};
    ClientToScreen(view, &at);
    // The frame owns the pop-up, so its items are enabled by the same update
    // handlers as the menu bar's, and the choice is routed from there.
    TrackPopupMenu(menu.get(), TPM_CENTERALIGN | TPM_LEFTBUTTON | TPM_RIGHTBUTTON, at.x, at.y, 0,
                   frame, nullptr);
}
