#include "editor/app/file_open_window.h"

#include <shellapi.h>

#include <algorithm>
#include <cctype>
#include <ctime>
#include <memory>
#include <utility>

#include "editor/app/file_properties_dialog.h"
#include "framework/application.h"
#include "framework/frame_wnd.h"
#include "editor/res/resource.h"

namespace {

// Group icons at the left edge, file icons indented under them.
constexpr int kGroupIconLeft = 1;
constexpr int kFileIconLeft = 14;
constexpr int kTextGap = 4;
constexpr COLORREF kTransparent = RGB(0, 0, 255);

fw::Bitmap LoadPicture(UINT id)
{
    return fw::Bitmap(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0)));
}

// The pointers are kept as icons: made into cursors with the hot spot at
// the arrow's tip (the top left corner).
fw::OwnedCursor LoadDragCursor(UINT id)
{
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32, 0));
    if (!icon)
        return fw::OwnedCursor();
    ICONINFO info{};
    HCURSOR cursor = nullptr;
    if (GetIconInfo(icon, &info)) {
        info.fIcon = FALSE;
        info.xHotspot = 0;
        info.yHotspot = 0;
        cursor = CreateIconIndirect(&info);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
    }
    DestroyIcon(icon);
    return fw::OwnedCursor(cursor);
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

void DrawPicture(HDC dc, HBITMAP bitmap, int x, int y)
{
    const SIZE size = BitmapSize(bitmap);
    HDC memory = CreateCompatibleDC(dc);
    if (!memory)
        return;
    HGDIOBJ old = SelectObject(memory, bitmap);
    TransparentBlt(dc, x, y, size.cx, size.cy, memory, 0, 0, size.cx, size.cy, kTransparent);
    SelectObject(memory, old);
    DeleteDC(memory);
}

std::string CurrentDirectory()
{
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof directory, directory);
    return directory;
}

// Dropped paths are 16-bit characters on the NT platforms.
bool IsWindowsNT()
{
    return (GetVersion() & 0x80000000u) == 0;
}

bool AcceptsFiles(HWND window)
{
    return window && (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
}

void DefaultShellOpen(HWND owner, const std::string& name)
{
    ShellExecuteA(owner, nullptr, name.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

int Ask(const std::string& text, UINT type)
{
    fw::Application* app = fw::Application::Current();
    return app ? app->DoMessageBox(text, type, 0) : MessageBoxA(nullptr, text.c_str(), "", type);
}

} // namespace

std::vector<FileListEntry> Win32FileLister::List(const std::string& directory,
                                                 const std::string& pattern)
{
    std::vector<FileListEntry> files;
    WIN32_FIND_DATAA found{};
    fw::FindHandle find(FindFirstFileA(JoinFilePath(directory, pattern).c_str(), &found));
    if (find.get() == INVALID_HANDLE_VALUE)
        return files;
    constexpr DWORD kSkipped =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
        if (!(found.dwFileAttributes & kSkipped))
            files.push_back({found.cFileName, static_cast<std::uint8_t>(found.dwFileAttributes)});
    } while (FindNextFileA(find.get(), &found));
    return files;
}

CFileOpenWindow::CFileOpenWindow() : fw::DialogBar(IDD_FILE_OPEN_WINDOW), m_shellOpen(DefaultShellOpen)
{
}

CFileOpenWindow::~CFileOpenWindow() = default;

bool CFileOpenWindow::Create(fw::FrameWnd& frame)
{
    return fw::DialogBar::Create(frame, fw::DockEdge::Left, IDW_FILE_OPEN_WINDOW);
}

HWND CFileOpenWindow::Window() const
{
    return m_hWnd && IsWindowVisible(m_hWnd) ? m_hWnd : nullptr;
}

BOOL CFileOpenWindow::OnInitDialog()
{
    m_groupClosed = LoadPicture(IDB_GROUP_CLOSED);
    m_groupOpen = LoadPicture(IDB_GROUP_OPEN);
    m_fileWritable = LoadPicture(IDB_FILE_WRITABLE);
    m_fileReadOnly = LoadPicture(IDB_FILE_READONLY);
    m_dropNone = LoadDragCursor(IDI_DROP_NONE);
    m_dropOne = LoadDragCursor(IDI_DROP_ONE);
    m_dropMany = LoadDragCursor(IDI_DROP_MANY);
    SubclassItem(IDC_FILE_LIST, m_list);
    HFONT font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    SendMessageA(GetList(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The font's line or the group picture, whichever is higher.
    if (HDC dc = GetDC(GetList())) {
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(GetList(), dc);
        m_lineHeight = std::max<int>(metrics.tmHeight + metrics.tmExternalLeading,
                                     BitmapSize(m_groupClosed.get()).cy);
    }
    SendMessageA(GetList(), LB_SETITEMHEIGHT, 0, m_lineHeight);
    Refill();
    return FALSE;
}

void CFileOpenWindow::Refill()
{
    HWND list = GetList();
    if (!list)
        return;
    m_model.Fill(m_lister, CurrentDirectory(), g_ExtensionTable.Entries());
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (std::uint32_t item : m_model.Lines())
        SendMessageA(list, LB_ADDSTRING, 0, static_cast<LPARAM>(item));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

bool CFileOpenWindow::OpenFocusedSelection()
{
    if (!GetList() || GetFocus() != GetList())
        return false;
    OnOpen();
    return true;
}

void CFileOpenWindow::ToggleGroup(int line)
{
    HWND list = GetList();
    const int change = m_model.Toggle(m_lister, static_cast<std::size_t>(line));
    for (int i = change; i < 0; ++i)
        SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(line + 1), 0);
    for (int i = 0; i < change; ++i)
        SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(line + 1 + i),
                     static_cast<LPARAM>(m_model.Lines()[static_cast<std::size_t>(line + 1 + i)]));
    InvalidateRect(list, nullptr, TRUE);
}

void CFileOpenWindow::Reread(std::uint32_t group)
{
    const std::optional<std::size_t> header = m_model.HeaderLine(group);
    if (!header || !m_model.Groups()[group].open)
        return;
    ToggleGroup(static_cast<int>(*header));
    ToggleGroup(static_cast<int>(*header));
}

void CFileOpenWindow::OnDoubleClick(int line)
{
    if (line < 0 || static_cast<std::size_t>(line) >= m_model.Lines().size())
        return;
    const std::uint32_t item = m_model.Lines()[static_cast<std::size_t>(line)];
    if (IsHeaderItem(item)) {
        ToggleGroup(line);
        return;
    }
    const FileListEntry* entry = m_model.EntryOf(item);
    if (!entry)
        return;
    // The shell opens the bare name: the list directory must be current.
    SetCurrentDirectoryA(m_model.Directory().c_str());
    m_shellOpen(m_hWnd, entry->name);
}

std::vector<std::uint32_t> CFileOpenWindow::SelectedItems(std::size_t limit) const
{
    HWND list = GetList();
    const LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
    std::vector<int> lines(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (!lines.empty())
        SendMessageA(list, LB_GETSELITEMS, lines.size(), reinterpret_cast<LPARAM>(lines.data()));
    std::vector<std::uint32_t> items;
    for (int line : lines) {
        if (items.size() >= limit)
            break;
        if (line >= 0 && static_cast<std::size_t>(line) < m_model.Lines().size())
            items.push_back(m_model.Lines()[static_cast<std::size_t>(line)]);
    }
    return items;
}

std::vector<std::string> CFileOpenWindow::SelectedPaths(std::size_t limit) const
{
    std::vector<std::string> paths;
    for (std::uint32_t item : SelectedItems(limit))
        if (std::string path = m_model.PathOf(item); !path.empty())
            paths.push_back(std::move(path));
    return paths;
}

void CFileOpenWindow::RunCommand(UINT id)
{
    switch (id) {
    case ID_FILE_OPEN:
        OnOpen();
        break;
    case ID_FILE_LIST_PROPERTIES:
        OnProperties();
        break;
    case ID_FILE_LIST_DELETE:
        OnDelete();
        break;
    case ID_FILE_DIRECTORY:
        // The application asks for the directory and fills this list again.
        if (fw::FrameWnd* frame = GetDockingFrame())
            SendMessageA(frame->GetHwnd(), WM_COMMAND, ID_FILE_DIRECTORY, 0);
        break;
    default:
        break;
    }
}

void CFileOpenWindow::OnOpen()
{
    fw::Application* app = fw::Application::Current();
    if (!app)
        return;
    for (const std::string& path : SelectedPaths(kMaxFileCommandLines))
        app->OpenDocumentFile(path);
}

void CFileOpenWindow::OnDelete()
{
    const std::vector<std::uint32_t> items = SelectedItems(kMaxFileCommandLines);
    std::vector<std::string> paths;
    for (std::uint32_t item : items)
        if (std::string path = m_model.PathOf(item); !path.empty())
            paths.push_back(std::move(path));
    if (paths.empty())
        return;
    const std::string question = paths.size() == 1
                                     ? "Delete " + paths.front() + "?"
                                     : "Delete " + std::to_string(paths.size()) + " files?";
    if (Ask(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    std::string failed;
    for (const std::string& path : paths)
        if (!DeleteFileA(path.c_str()))
            failed += "\n" + path;
    // Every open group may show a deleted file: each is read anew.
    for (std::uint32_t group = 0; group < m_model.Groups().size(); ++group)
        Reread(group);
    if (!failed.empty())
        Ask("Cannot delete:" + failed, MB_OK | MB_ICONEXCLAMATION);
}

void CFileOpenWindow::OnProperties()
{
    HWND list = GetList();
    const LRESULT line = SendMessageA(list, LB_GETCARETINDEX, 0, 0);
    if (line < 0 || static_cast<std::size_t>(line) >= m_model.Lines().size())
        return;
    std::string path = m_model.PathOf(m_model.Lines()[static_cast<std::size_t>(line)]);
    if (path.empty())
        return;
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    WIN32_FILE_ATTRIBUTE_DATA status{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &status))
        return;
    FILETIME local{};
    SYSTEMTIME when{};
    FileTimeToLocalFileTime(&status.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &when);
    std::tm time{};
    time.tm_hour = when.wHour;
    time.tm_min = when.wMinute;
    time.tm_sec = when.wSecond;
    time.tm_mday = when.wDay;
    time.tm_mon = when.wMonth - 1;
    time.tm_year = when.wYear - 1900;
    const std::uint64_t size =
        (static_cast<std::uint64_t>(status.nFileSizeHigh) << 32) | status.nFileSizeLow;
    CFilePropertiesDialog dialog(m_hWnd, ShortenPropertiesPath(path), FormatModifiedTime(time),
                                 FormatFileSize(size));
    dialog.DoModal();
}

fw::OwnedMenu MakeFileListMenu(int selectedLines)
{
    fw::OwnedMenu menu(CreatePopupMenu());
    if (!menu.get())
        return menu;
    AppendMenuA(menu.get(), MF_STRING, ID_FILE_OPEN, "Open");
    AppendMenuA(menu.get(), MF_STRING, ID_FILE_DIRECTORY, "Change directory");
    AppendMenuA(menu.get(), MF_STRING | (selectedLines == 1 ? 0 : MF_GRAYED),
                ID_FILE_LIST_PROPERTIES, "Properties...");
    if (selectedLines >= 1)
        AppendMenuA(menu.get(), MF_STRING, ID_FILE_LIST_DELETE, "Delete");
    return menu;
}

void CFileOpenWindow::ShowContextMenu(POINT screen)
{
    const fw::OwnedMenu menu =
        MakeFileListMenu(static_cast<int>(SendMessageA(GetList(), LB_GETSELCOUNT, 0, 0)));
    if (!menu.get())
        return;
    const UINT id = static_cast<UINT>(TrackPopupMenu(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, m_hWnd, nullptr));
    if (id)
        RunCommand(id);
}

bool CFileOpenWindow::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_FILE_LIST) {
        if (code == LBN_DBLCLK)
            OnDoubleClick(static_cast<int>(SendMessageA(GetList(), LB_GETCARETINDEX, 0, 0)));
        return true;
    }
    switch (id) {
    case ID_FILE_OPEN:
    case ID_FILE_LIST_PROPERTIES:
    case ID_FILE_LIST_DELETE:
        RunCommand(static_cast<UINT>(id));
        return true;
    default:
        return fw::DialogBar::OnCommand(id, code, control);
    }
}

INT_PTR CFileOpenWindow::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SIZE:
        if (HWND list = GetList())
            MoveWindow(list, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return TRUE;
    case WM_MEASUREITEM:
        if (wParam == IDC_FILE_LIST && m_lineHeight > 0) {
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
                static_cast<UINT>(m_lineHeight);
            return SetMsgResult(TRUE);
        }
        break;
    case WM_DRAWITEM:
        if (wParam == IDC_FILE_LIST) {
            DrawLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return SetMsgResult(TRUE);
        }
        break;
    default:
        break;
    }
    return fw::DialogBar::DialogProc(msg, wParam, lParam);
}

void CFileOpenWindow::DrawLine(const DRAWITEMSTRUCT& item)
{
    if (item.itemID == static_cast<UINT>(-1)) {
        if (item.itemState & ODS_FOCUS)
            DrawFocusRect(item.hDC, &item.rcItem);
        return;
    }
    const std::uint32_t value = static_cast<std::uint32_t>(item.itemData);
    const bool header = IsHeaderItem(value);
    std::string text;
    HBITMAP picture = nullptr;
    int left = kGroupIconLeft;
    if (header) {
        const std::uint32_t group = ItemGroup(value);
        if (group >= m_model.Groups().size())
            return;
        text = m_model.Groups()[group].description;
        picture = m_model.Groups()[group].open ? m_groupOpen.get() : m_groupClosed.get();
    } else if (const FileListEntry* entry = m_model.EntryOf(value)) {
        text = entry->name;
        picture = entry->ReadOnly() ? m_fileReadOnly.get() : m_fileWritable.get();
        left = kFileIconLeft;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    DrawPicture(dc, picture, r.left + left, r.top);
    const int textLeft = r.left + left + BitmapSize(picture).cx + kTextGap;
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    RECT textRect{textLeft, r.top, r.right, r.bottom};
    ExtTextOutA(dc, textLeft, r.top, ETO_OPAQUE | ETO_CLIPPED, &textRect, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &r);
}

// ---- Dragging files out ------------------------------------------------------

void CFileOpenWindow::OnButtonDown(POINT client)
{
    m_down = client;
    m_mayDrop = false;
    m_dragStarted = false;
    m_tracking = true;
    m_target = nullptr;
    SetCapture(GetList());
}

void CFileOpenWindow::OnDragMove(POINT client)
{
    if (!m_dragStarted && !IsDragStarted(m_down.x, m_down.y, client.x, client.y))
        return;
    m_dragStarted = true;
    POINT screen = client;
    ClientToScreen(GetList(), &screen);
    HWND under = WindowFromPoint(screen);
    HWND target = nullptr;
    if (AcceptsFiles(under))
        target = under;
    else if (HWND parent = under ? GetParent(under) : nullptr;
             parent && parent != GetDesktopWindow() && AcceptsFiles(parent))
        target = parent;
    if (target) {
        m_mayDrop = true;
        m_target = target;
        const LRESULT selected = SendMessageA(GetList(), LB_GETSELCOUNT, 0, 0);
        SetCursor(selected < 2 ? m_dropOne.get() : m_dropMany.get());
        return;
    }
    m_mayDrop = false;
    m_target = nullptr;
    SetCursor(under == GetList() ? LoadCursor(nullptr, IDC_ARROW) : m_dropNone.get());
}

void CFileOpenWindow::OnButtonUp(POINT client)
{
    const bool drop = m_tracking && m_dragStarted && m_mayDrop && m_target;
    m_tracking = false;
    m_dragStarted = false;
    if (GetCapture() == GetList())
        ReleaseCapture();
    if (!drop)
        return;
    POINT screen = client;
    ClientToScreen(GetList(), &screen);
    Drop(screen);
}

void CFileOpenWindow::Drop(POINT screen)
{
    POINT inTarget = screen;
    ScreenToClient(m_target, &inTarget);
    RECT client{};
    GetClientRect(m_target, &client);
    const std::vector<unsigned char> block =
        BuildDropFilesBlock(screen.x, screen.y, !PtInRect(&client, inTarget),
                            SelectedPaths(static_cast<std::size_t>(-1)), IsWindowsNT());
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, block.size());
    void* bytes = memory ? GlobalLock(memory) : nullptr;
    if (!bytes) {
        if (memory)
            GlobalFree(memory);
        MessageBoxA(GetList(), "Insufficient memory to drop file(s).", "Error",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    std::copy(block.begin(), block.end(), static_cast<unsigned char*>(bytes));
    GlobalUnlock(memory);
    // The target frees the block.
    if (!PostMessageA(m_target, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0))
        GlobalFree(memory);
}

LRESULT CFileOpenWindow::FileList::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const bool plain = !(wParam & (MK_SHIFT | MK_CONTROL));
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (plain) {
            // On one of several selected lines the selection waits for the
            // button to come up without a drag: all of them can be dragged.
            const LRESULT hit = DefaultProc(LB_ITEMFROMPOINT, 0, lParam);
            if (!HIWORD(hit) && DefaultProc(LB_GETSELCOUNT, 0, 0) > 1 &&
                DefaultProc(LB_GETSEL, LOWORD(hit), 0) > 0) {
                SetFocus(GetHwnd());
                m_owner.OnButtonDown(point);
                m_deferredDown = lParam;
                return 0;
            }
            const LRESULT result = DefaultProc(msg, wParam, lParam);
            m_owner.OnButtonDown(point);
            return result;
        }
        break;
    case WM_MOUSEMOVE:
        if (m_owner.m_tracking && (wParam & MK_LBUTTON) && plain) {
            m_owner.OnDragMove(point);
            if (m_owner.m_dragStarted)
                return 0; // the selection stays what it was when the drag began
        }
        break;
    case WM_LBUTTONUP: {
        const bool dragged = m_owner.m_dragStarted;
        m_owner.OnButtonUp(point);
        if (const LPARAM down = std::exchange(m_deferredDown, -1); down != -1 && !dragged)
            DefaultProc(WM_LBUTTONDOWN, MK_LBUTTON, down);
        break;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != GetHwnd())
            m_owner.m_tracking = false;
        break;
    case WM_CONTEXTMENU: {
        POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (screen.x == -1 && screen.y == -1) {
            screen = {0, 0};
            ClientToScreen(GetHwnd(), &screen);
        }
        m_owner.ShowContextMenu(screen);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_DELETE) {
            m_owner.RunCommand(ID_FILE_LIST_DELETE);
            return 0;
        }
        if (wParam == VK_RETURN) {
            m_owner.RunCommand(ID_FILE_OPEN);
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        return DefaultProc(msg, wParam, lParam) | DLGC_WANTALLKEYS;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}
