#include "editor/automation/workset_dir_lists.h"

#include <vector>

#include "framework/handles.h"

namespace {

// Item data: the picture's kind and, in the tree, the indent level.
enum class Picture : int {
    Floppy,
    Fixed,
    Network,
    CdRom,
    RamDisk, // drives
    OpenFolder,
    CurrentFolder,
    ClosedFolder,
};
constexpr int kLevelShift = 8;
constexpr int kIndent = 8;
constexpr int kPictureWidth = 18;

LPARAM ItemData(Picture picture, int level = 0)
{
    return (static_cast<LPARAM>(level) << kLevelShift) | static_cast<LPARAM>(picture);
}

Picture DrivePicture(UINT type)
{
    switch (type) {
    case DRIVE_REMOVABLE:
        return Picture::Floppy;
    case DRIVE_REMOTE:
        return Picture::Network;
    case DRIVE_CDROM:
        return Picture::CdRom;
    case DRIVE_RAMDISK:
        return Picture::RamDisk;
    default:
        return Picture::Fixed;
    }
}

// The connection of a network drive: the provider library is loaded only
// when such a drive is listed.
std::string ConnectionName(const std::string& drive)
{
    using GetConnection = DWORD(WINAPI*)(LPCSTR, LPSTR, LPDWORD);
    const fw::Module mpr(LoadLibraryA("mpr.dll"));
    if (!mpr)
        return {};
    auto get = reinterpret_cast<GetConnection>(
        reinterpret_cast<void*>(GetProcAddress(mpr.get(), "WNetGetConnectionA")));
    char remote[MAX_PATH] = {};
    DWORD size = sizeof remote;
    return get && get(drive.c_str(), remote, &size) == NO_ERROR ? std::string(remote)
                                                                : std::string();
}

std::string DriveText(char letter, UINT type)
{
    const std::string root = std::string(1, letter) + ":\\";
    std::string text = std::string(1, static_cast<char>(letter | 0x20)) + ":  ";
    if (type == DRIVE_FIXED || type == DRIVE_RAMDISK) {
        char label[MAX_PATH] = {};
        if (GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr,
                                  nullptr, 0))
            text += label;
    } else if (type == DRIVE_REMOTE) {
        text += ConnectionName(root.substr(0, 2));
    }
    return text;
}

int AddItem(HWND list, bool combo, const std::string& text, LPARAM data)
{
    const LRESULT index = SendMessageA(list, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                                       reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(list, combo ? CB_SETITEMDATA : LB_SETITEMDATA, index, data);
    return static_cast<int>(index);
}

// The directory's components: the root ("C:\") and then each name.
std::vector<std::string> Components(const std::string& directory)
{
    std::vector<std::string> parts;
    size_t start = 0;
    const size_t rootEnd = directory.find('\\');
    if (rootEnd == std::string::npos)
        return {directory + "\\"};
    parts.push_back(directory.substr(0, rootEnd + 1));
    start = rootEnd + 1;
    while (start < directory.size()) {
        size_t end = directory.find('\\', start);
        if (end == std::string::npos)
            end = directory.size();
        if (end > start)
            parts.push_back(directory.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::vector<std::string> Subdirectories(const std::string& directory)
{
    std::string pattern = directory;
    if (pattern.empty() || pattern.back() != '\\')
        pattern += '\\';
    return FindNames(pattern + "*.*", true);
}

void DrawPicture(HDC dc, RECT box, Picture picture)
{
    static constexpr COLORREF kColours[] = {
        RGB(128, 128, 128), RGB(96, 96, 96),    RGB(0, 128, 128), RGB(128, 0, 128),
        RGB(0, 128, 0),     RGB(255, 255, 128), RGB(255, 200, 0), RGB(255, 255, 255),
    };
    const int kind = static_cast<int>(picture);
    fw::Brush brush(CreateSolidBrush(kColours[kind]));
    HGDIOBJ oldBrush = SelectObject(dc, brush.get());
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    const int top = (box.top + box.bottom) / 2 - 5;
    if (picture >= Picture::OpenFolder) {
        // A folder: its tab, then its body.
        Rectangle(dc, box.left + 2, top, box.left + 8, top + 3);
        Rectangle(dc, box.left + 2, top + 2, box.left + 16, top + 11);
    } else {
        // A drive: a case with a slot, the slot's width telling the kind.
        Rectangle(dc, box.left + 1, top + 2, box.left + 17, top + 10);
        Rectangle(dc, box.left + 4, top + 5, box.left + 6 + 2 * kind, top + 7);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

} // namespace

std::vector<std::string> FindNames(const std::string& pattern, bool directories)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const fw::FindHandle search(FindFirstFileA(pattern.c_str(), &found));
    if (!search)
        return names;
    do {
        const std::string name = found.cFileName;
        const bool isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isDirectory == directories && name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search.get(), &found));
    return names;
}

void FillDriveList(HWND combo)
{
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(drives & (1u << i)))
            continue;
        const char letter = static_cast<char>('A' + i);
        const UINT type = GetDriveTypeA((std::string(1, letter) + ":\\").c_str());
        const int index =
            AddItem(combo, true, DriveText(letter, type), ItemData(DrivePicture(type)));
        if ((current[0] | 0x20) == (letter | 0x20))
            SendMessageA(combo, CB_SETCURSEL, index, 0);
    }
}

char DriveOfItem(HWND combo, int index)
{
    char text[MAX_PATH] = {};
    if (index < 0 || SendMessageA(combo, CB_GETLBTEXTLEN, index, 0) >= MAX_PATH)
        return 0;
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text[0];
}

void FillDirectoryTree(HWND list, const std::string& directory)
{
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    const std::vector<std::string> parts = Components(directory);
    const int last = static_cast<int>(parts.size()) - 1;
    for (int level = 0; level <= last; ++level)
        AddItem(list, false, parts[level],
                ItemData(level == last ? Picture::CurrentFolder : Picture::OpenFolder, level));
    for (const std::string& name : Subdirectories(directory))
        AddItem(list, false, name, ItemData(Picture::ClosedFolder, last + 1));
    SendMessageA(list, LB_SETCURSEL, last, 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

std::string DirectoryOfItem(HWND list, const std::string& directory, int index)
{
    const std::vector<std::string> parts = Components(directory);
    const int current = static_cast<int>(parts.size()) - 1;
    if (index < 0 || index == current || index >= SendMessageA(list, LB_GETCOUNT, 0, 0))
        return {};
    std::string path = parts[0];
    const int depth = index < current ? index : current;
    for (int i = 1; i <= depth; ++i)
        path += (path.back() == '\\' ? "" : "\\") + parts[i];
    if (index > current) {
        char name[MAX_PATH] = {};
        if (SendMessageA(list, LB_GETTEXTLEN, index, 0) >= MAX_PATH)
            return {};
        SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name));
        path += (path.back() == '\\' ? "" : "\\") + std::string(name);
    }
    return path;
}

void DrawDirListItem(const DRAWITEMSTRUCT& item, bool driveList)
{
    if (item.itemID == static_cast<UINT>(-1))
        return;
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const LPARAM data = static_cast<LPARAM>(item.itemData);
    const int level = static_cast<int>(data >> kLevelShift);
    RECT box = item.rcItem;
    box.left += level * kIndent;
    DrawPicture(dc, box, static_cast<Picture>(data & ((1 << kLevelShift) - 1)));
    char text[MAX_PATH] = {};
    const UINT getLength = driveList ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    if (SendMessageA(item.hwndItem, getLength, item.itemID, 0) < MAX_PATH)
        SendMessageA(item.hwndItem, driveList ? CB_GETLBTEXT : LB_GETTEXT, item.itemID,
                     reinterpret_cast<LPARAM>(text));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    box.left += kPictureWidth + 2;
    DrawTextA(dc, text, -1, &box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &item.rcItem);
}
