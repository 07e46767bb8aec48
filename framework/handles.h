// Move-only owners of the platform's handles.  Each kind releases its handle
// with the one call that matches how it was obtained; copying is impossible,
// so nothing is released twice.
#pragma once
#include <windows.h>
#include <ddeml.h>

#include <optional>
#include <string>
#include <utility>

namespace fw {

// ---------------------------------------------------------------------------
// UniqueHandle: one handle released by Traits::Close.  Traits gives
//   using Handle = ...;  static Handle Invalid() noexcept;
//   static void Close(Handle) noexcept;
template <typename Traits> class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle h) noexcept : m_handle(h) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Handle get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return m_handle != Traits::Invalid(); }

    // Gives up ownership, e.g. when the platform takes the handle over.
    Handle release() noexcept { return std::exchange(m_handle, Traits::Invalid()); }

    void reset(Handle h = Traits::Invalid()) noexcept
    {
        Handle old = std::exchange(m_handle, h);
        if (old != Traits::Invalid())
            Traits::Close(old);
    }

private:
    Handle m_handle = Traits::Invalid();
};

namespace detail {
template <typename H> struct NullTraits {
    using Handle = H;
    static Handle Invalid() noexcept { return nullptr; }
};

template <typename G> struct GdiTraits : NullTraits<G> {
    static void Close(G h) noexcept { DeleteObject(h); }
};
struct DeleteDcTraits : NullTraits<HDC> {
    static void Close(HDC h) noexcept { DeleteDC(h); }
};
struct IconTraits : NullTraits<HICON> {
    static void Close(HICON h) noexcept { DestroyIcon(h); }
};
struct CursorTraits : NullTraits<HCURSOR> {
    static void Close(HCURSOR h) noexcept { DestroyCursor(h); }
};
struct MenuTraits : NullTraits<HMENU> {
    static void Close(HMENU h) noexcept { DestroyMenu(h); }
};
struct AccelTraits : NullTraits<HACCEL> {
    static void Close(HACCEL h) noexcept { DestroyAcceleratorTable(h); }
};
struct ModuleTraits : NullTraits<HMODULE> {
    static void Close(HMODULE h) noexcept { FreeLibrary(h); }
};
struct GlobalTraits : NullTraits<HGLOBAL> {
    static void Close(HGLOBAL h) noexcept { GlobalFree(h); }
};
struct RegKeyTraits : NullTraits<HKEY> {
    static void Close(HKEY h) noexcept { RegCloseKey(h); }
};
// CreateFile reports failure with INVALID_HANDLE_VALUE, never null.
struct FileTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) noexcept { CloseHandle(h); }
};
struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) noexcept { FindClose(h); }
};
struct DdeConvTraits : NullTraits<HCONV> {
    static void Close(HCONV h) noexcept { DdeDisconnect(h); }
};
struct DdeDataTraits : NullTraits<HDDEDATA> {
    static void Close(HDDEDATA h) noexcept { DdeFreeDataHandle(h); }
};
} // namespace detail

// ---------------------------------------------------------------------------
// GDI objects (DeleteObject).  Stock objects must not be put in here.
template <typename G> using GdiObject = UniqueHandle<detail::GdiTraits<G>>;
using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;

// A DC this program created (CreateCompatibleDC, CreateDC): DeleteDC.
using OwnedDC = UniqueHandle<detail::DeleteDcTraits>;
inline OwnedDC CreateMemoryDC(HDC compatibleWith)
{
    return OwnedDC(CreateCompatibleDC(compatibleWith));
}

// Icons and cursors made at run time (CreateIconIndirect, CopyIcon, ...).
// Shared ones from LoadIcon/LoadCursor are not owned and must not go here.
using OwnedIcon = UniqueHandle<detail::IconTraits>;
using OwnedCursor = UniqueHandle<detail::CursorTraits>;
// A menu not attached to a window (a window destroys its own menu).
using OwnedMenu = UniqueHandle<detail::MenuTraits>;
using AcceleratorTable = UniqueHandle<detail::AccelTraits>;
// LoadLibrary / FreeLibrary.
using Module = UniqueHandle<detail::ModuleTraits>;
inline Module LoadLibraryHandle(const char* name)
{
    return Module(LoadLibraryA(name));
}
// CreateFile / CloseHandle; FindFirstFile / FindClose.
using File = UniqueHandle<detail::FileTraits>;
using FindHandle = UniqueHandle<detail::FindTraits>;
// DDEML conversation (DdeDisconnect) and data (DdeFreeDataHandle).  Data
// returned from a DDE callback belongs to DDEML: release() it there.
using DdeConversation = UniqueHandle<detail::DdeConvTraits>;
using DdeData = UniqueHandle<detail::DdeDataTraits>;

// ---------------------------------------------------------------------------
// GetDC / ReleaseDC.
class ClientDC {
public:
    explicit ClientDC(HWND hWnd) noexcept : m_hWnd(hWnd), m_dc(GetDC(hWnd)) {}
    ~ClientDC()
    {
        if (m_dc)
            ReleaseDC(m_hWnd, m_dc);
    }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    ClientDC(ClientDC&& other) noexcept
        : m_hWnd(other.m_hWnd), m_dc(std::exchange(other.m_dc, nullptr))
    {
    }
    ClientDC& operator=(ClientDC&&) = delete;

    HDC get() const noexcept { return m_dc; }
    explicit operator bool() const noexcept { return m_dc != nullptr; }

private:
    HWND m_hWnd;
    HDC m_dc;
};

// BeginPaint / EndPaint, for WM_PAINT handlers.
class PaintDC {
public:
    explicit PaintDC(HWND hWnd) noexcept : m_hWnd(hWnd), m_ps{} { m_dc = BeginPaint(hWnd, &m_ps); }
    ~PaintDC()
    {
        if (m_dc)
            EndPaint(m_hWnd, &m_ps);
    }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    PaintDC(PaintDC&& other) noexcept
        : m_hWnd(other.m_hWnd), m_ps(other.m_ps), m_dc(std::exchange(other.m_dc, nullptr))
    {
    }
    PaintDC& operator=(PaintDC&&) = delete;

    HDC get() const noexcept { return m_dc; }
    const PAINTSTRUCT& paint() const noexcept { return m_ps; }
    const RECT& area() const noexcept { return m_ps.rcPaint; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps;
    HDC m_dc = nullptr;
};

// SelectObject with the previous object put back at scope end, so a GDI
// object is never deleted while still selected.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) noexcept : m_dc(dc), m_old(SelectObject(dc, obj)) {}
    ~SelectGuard()
    {
        if (m_old && m_old != HGDI_ERROR)
            SelectObject(m_dc, m_old);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    SelectGuard(SelectGuard&& other) noexcept
        : m_dc(other.m_dc), m_old(std::exchange(other.m_old, nullptr))
    {
    }
    SelectGuard& operator=(SelectGuard&&) = delete;

    HGDIOBJ previous() const noexcept { return m_old; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// ---------------------------------------------------------------------------
// GlobalAlloc / GlobalFree.
class GlobalMemory {
public:
    GlobalMemory() noexcept = default;
    explicit GlobalMemory(HGLOBAL h) noexcept : m_mem(h) {}
    static GlobalMemory Alloc(SIZE_T bytes, UINT flags = GMEM_MOVEABLE | GMEM_ZEROINIT) noexcept
    {
        return GlobalMemory(GlobalAlloc(flags, bytes));
    }

    // Grows or shrinks the block; on failure the old block stays valid.
    bool ReAlloc(SIZE_T bytes, UINT flags = GMEM_MOVEABLE | GMEM_ZEROINIT) noexcept;
    SIZE_T Size() const noexcept { return m_mem ? GlobalSize(m_mem.get()) : 0; }

    HGLOBAL get() const noexcept { return m_mem.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(m_mem); }
    // Ownership passes elsewhere (SetClipboardData, a DDE data handle).
    HGLOBAL release() noexcept { return m_mem.release(); }

private:
    UniqueHandle<detail::GlobalTraits> m_mem;
};

// GlobalLock / GlobalUnlock.
template <typename T = char> class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL h) noexcept
        : m_mem(h), m_ptr(h ? static_cast<T*>(GlobalLock(h)) : nullptr)
    {
    }
    explicit GlobalLockGuard(const GlobalMemory& mem) noexcept : GlobalLockGuard(mem.get()) {}
    ~GlobalLockGuard()
    {
        if (m_ptr)
            GlobalUnlock(m_mem);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    GlobalLockGuard(GlobalLockGuard&& other) noexcept
        : m_mem(other.m_mem), m_ptr(std::exchange(other.m_ptr, nullptr))
    {
    }
    GlobalLockGuard& operator=(GlobalLockGuard&&) = delete;

    T* get() const noexcept { return m_ptr; }
    explicit operator bool() const noexcept { return m_ptr != nullptr; }
    // Whole elements of T in the block.
    SIZE_T count() const noexcept { return m_ptr ? GlobalSize(m_mem) / sizeof(T) : 0; }

private:
    HGLOBAL m_mem;
    T* m_ptr;
};

// ---------------------------------------------------------------------------
// OpenClipboard / CloseClipboard.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) noexcept : m_open(OpenClipboard(owner) != FALSE) {}
    ~ClipboardSession()
    {
        if (m_open)
            CloseClipboard();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ClipboardSession(ClipboardSession&& other) noexcept : m_open(std::exchange(other.m_open, false))
    {
    }
    ClipboardSession& operator=(ClipboardSession&&) = delete;

    bool IsOpen() const noexcept { return m_open; }
    bool Empty() noexcept { return m_open && EmptyClipboard(); }
    // The clipboard owns the block once this succeeds; on failure it stays
    // with the caller and is freed by its owner.
    bool SetData(UINT format, GlobalMemory& data) noexcept;
    // Owned by the clipboard: lock it, never free it.
    HANDLE GetData(UINT format) const noexcept
    {
        return m_open ? GetClipboardData(format) : nullptr;
    }

private:
    bool m_open;
};

// ---------------------------------------------------------------------------
// Registry key: RegCreateKeyEx / RegOpenKeyEx / RegCloseKey, with typed values.
class RegKey {
public:
    RegKey() noexcept = default;
    explicit RegKey(HKEY h) noexcept : m_key(h) {}

    // Opens the key, creating it (and its parents) when missing.
    static RegKey Create(HKEY parent, const std::string& subKey,
                         REGSAM access = KEY_READ | KEY_WRITE) noexcept;
    // Opens an existing key; empty when it does not exist or is refused.
    static RegKey Open(HKEY parent, const std::string& subKey, REGSAM access = KEY_READ) noexcept;

    HKEY get() const noexcept { return m_key.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(m_key); }

    // An empty name means the key's default value.
    std::optional<std::string> GetString(const std::string& name) const;
    std::optional<DWORD> GetDword(const std::string& name) const noexcept;
    bool SetString(const std::string& name, const std::string& value) noexcept;
    bool SetDword(const std::string& name, DWORD value) noexcept;
    bool DeleteValue(const std::string& name) noexcept;

private:
    UniqueHandle<detail::RegKeyTraits> m_key;
};

// ---------------------------------------------------------------------------
// DDEML instance: DdeInitialize / DdeUninitialize.  String and data handles
// of an instance must be freed before it.
class DdeInstance {
public:
    DdeInstance() noexcept = default;
    // Zero id (an empty instance) when DDEML refuses; the error is returned
    // through `error` when given.
    static DdeInstance Initialize(PFNCALLBACK callback, DWORD flags,
                                  UINT* error = nullptr) noexcept;
    ~DdeInstance();
    DdeInstance(const DdeInstance&) = delete;
    DdeInstance& operator=(const DdeInstance&) = delete;
    DdeInstance(DdeInstance&& other) noexcept : m_id(std::exchange(other.m_id, 0)) {}
    DdeInstance& operator=(DdeInstance&& other) noexcept;

    DWORD Id() const noexcept { return m_id; }
    explicit operator bool() const noexcept { return m_id != 0; }

private:
    explicit DdeInstance(DWORD id) noexcept : m_id(id) {}
    DWORD m_id = 0;
};

// DdeCreateStringHandle / DdeFreeStringHandle.
class DdeString {
public:
    DdeString() noexcept = default;
    DdeString(DWORD instance, const char* text) noexcept;
    ~DdeString() { reset(); }
    DdeString(const DdeString&) = delete;
    DdeString& operator=(const DdeString&) = delete;
    DdeString(DdeString&& other) noexcept
        : m_instance(other.m_instance), m_hsz(std::exchange(other.m_hsz, nullptr))
    {
    }
    DdeString& operator=(DdeString&& other) noexcept;

    HSZ get() const noexcept { return m_hsz; }
    explicit operator bool() const noexcept { return m_hsz != nullptr; }
    void reset() noexcept;

private:
    DWORD m_instance = 0;
    HSZ m_hsz = nullptr;
};

} // namespace fw
