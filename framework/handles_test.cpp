// The handle owners release what they own, exactly once, and hand it over
// when told to.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/handles.h"

namespace {

// Zero under Wine, which does not count: the object checks below still hold.
DWORD GdiObjectCount()
{
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

// A GDI handle that was deleted no longer has an object type.
bool IsLiveGdiObject(HGDIOBJ h)
{
    return GetObjectType(h) != 0;
}

bool IsLiveGlobal(HGLOBAL h)
{
    return GlobalFlags(h) != GMEM_INVALID_HANDLE;
}

class TestWindow {
public:
    TestWindow()
        : m_hWnd(CreateWindowExA(0, "STATIC", "handles", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~TestWindow() { DestroyWindow(m_hWnd); }
    HWND get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

TEST(HandlesTest, GdiObjectsOfEveryKindAreDeletedAtScopeEnd)
{
    const DWORD before = GdiObjectCount();
    std::vector<HGDIOBJ> made;
    {
        std::vector<fw::Pen> pens;
        std::vector<fw::Brush> brushes;
        std::vector<fw::Font> fonts;
        std::vector<fw::Bitmap> bitmaps;
        std::vector<fw::Region> regions;
        HDC screen = GetDC(nullptr);
        for (int i = 0; i < 40; ++i) {
            pens.emplace_back(CreatePen(PS_SOLID, 1, RGB(i, 0, 0)));
            brushes.emplace_back(CreateSolidBrush(RGB(0, i, 0)));
            fonts.emplace_back(CreateFontA(-12 - i, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0,
                                           0, 0, "Tahoma"));
            bitmaps.emplace_back(CreateCompatibleBitmap(screen, 8, 8));
            regions.emplace_back(CreateRectRgn(0, 0, i + 1, i + 1));
        }
        ReleaseDC(nullptr, screen);
        for (size_t i = 0; i < pens.size(); ++i) {
            made.push_back(pens[i].get());
            made.push_back(brushes[i].get());
            made.push_back(fonts[i].get());
            made.push_back(bitmaps[i].get());
            made.push_back(regions[i].get());
        }
        for (HGDIOBJ h : made)
            ASSERT_TRUE(IsLiveGdiObject(h));
        if (before != 0) { // Wine's GetGuiResources may not count
            EXPECT_GE(GdiObjectCount(), before + made.size());
        }
    }
    for (HGDIOBJ h : made)
        EXPECT_FALSE(IsLiveGdiObject(h));
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(HandlesTest, MovingHandsOwnershipOverOnce)
{
    fw::Brush a(CreateSolidBrush(RGB(1, 2, 3)));
    HBRUSH first = a.get();
    fw::Brush b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), first);

    fw::Brush c(CreateSolidBrush(RGB(4, 5, 6)));
    HBRUSH second = c.get();
    c = std::move(b); // the object c held is deleted, first moves in
    EXPECT_FALSE(IsLiveGdiObject(second));
    EXPECT_EQ(c.get(), first);
    EXPECT_TRUE(IsLiveGdiObject(first));

    c = std::move(c); // self-move keeps the handle
    EXPECT_TRUE(IsLiveGdiObject(first));

    HBRUSH released = c.release();
    EXPECT_FALSE(c);
    EXPECT_TRUE(IsLiveGdiObject(released)) << "release() gives the handle away alive";
    DeleteObject(released);
}

TEST(HandlesTest, SelectGuardPutsThePreviousObjectBack)
{
    fw::OwnedDC dc = fw::CreateMemoryDC(nullptr);
    ASSERT_TRUE(dc);
    HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_PEN);
    fw::Pen pen(CreatePen(PS_SOLID, 3, RGB(9, 9, 9)));
    {
        fw::SelectGuard select(dc.get(), pen.get());
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), pen.get());
        fw::SelectGuard moved(std::move(select)); // only one of them restores
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), original);
    HDC raw = dc.get();
    dc.reset();
    EXPECT_FALSE(IsLiveGdiObject(raw)) << "the memory DC is deleted";
}

TEST(HandlesTest, WindowDCsAreReleased)
{
    TestWindow window;
    ASSERT_TRUE(window.get()) << "no display";
    HDC given = nullptr;
    {
        fw::ClientDC dc(window.get());
        ASSERT_TRUE(dc);
        given = dc.get();
        fw::ClientDC moved(std::move(dc));
        EXPECT_FALSE(dc);
        EXPECT_EQ(moved.get(), given);
    }
    EXPECT_EQ(ReleaseDC(window.get(), given), 0) << "already given back, once";

    InvalidateRect(window.get(), nullptr, FALSE);
    {
        fw::PaintDC paint(window.get());
        EXPECT_TRUE(paint.get());
    }
    RECT stillInvalid{};
    EXPECT_FALSE(GetUpdateRect(window.get(), &stillInvalid, FALSE)) << "EndPaint validated it";
}

TEST(HandlesTest, GlobalMemoryIsFreedAndUnlocked)
{
    HGLOBAL raw = nullptr;
    {
        fw::GlobalMemory mem = fw::GlobalMemory::Alloc(16);
        ASSERT_TRUE(mem);
        raw = mem.get();
        {
            fw::GlobalLockGuard<char> lock(mem);
            ASSERT_TRUE(lock);
            EXPECT_GE(lock.count(), 16u);
            std::memcpy(lock.get(), "abcdefghijklmno", 16);
            EXPECT_EQ(GlobalFlags(raw) & GMEM_LOCKCOUNT, 1u);
        }
        EXPECT_EQ(GlobalFlags(raw) & GMEM_LOCKCOUNT, 0u);

        ASSERT_TRUE(mem.ReAlloc(1 << 20));
        EXPECT_GE(mem.Size(), static_cast<SIZE_T>(1 << 20));
        raw = mem.get();
        fw::GlobalLockGuard<char> lock(mem);
        EXPECT_STREQ(lock.get(), "abcdefghijklmno") << "growing keeps the contents";
    }
    EXPECT_FALSE(IsLiveGlobal(raw));

    fw::GlobalMemory empty;
    EXPECT_TRUE(empty.ReAlloc(8)) << "growing nothing allocates";
    EXPECT_EQ(empty.Size(), 8u);
}

TEST(HandlesTest, ClipboardTakesTheBlockOnlyWhenItAccepts)
{
    TestWindow window;
    ASSERT_TRUE(window.get()) << "no display";
    fw::GlobalMemory text = fw::GlobalMemory::Alloc(6);
    {
        fw::GlobalLockGuard<char> lock(text);
        std::memcpy(lock.get(), "hello", 6);
    }
    {
        fw::ClipboardSession first(nullptr);
        // Not a failure of the test if another program holds it, but then
        // nothing below can be checked.
        ASSERT_TRUE(first.IsOpen());
        fw::ClipboardSession second(window.get());
        EXPECT_FALSE(second.IsOpen()) << "one session at a time";
        EXPECT_FALSE(second.SetData(CF_TEXT, text));
        EXPECT_TRUE(text) << "a refused block stays with its owner";
    }
    {
        fw::ClipboardSession session(window.get());
        ASSERT_TRUE(session.IsOpen());
        ASSERT_TRUE(session.Empty());
        EXPECT_TRUE(session.SetData(CF_TEXT, text));
        EXPECT_FALSE(text) << "the clipboard owns it now";
    }
    fw::ClipboardSession reader(window.get());
    ASSERT_TRUE(reader.IsOpen()) << "the previous session closed the clipboard";
    fw::GlobalLockGuard<char> lock(reader.GetData(CF_TEXT));
    ASSERT_TRUE(lock);
    EXPECT_STREQ(lock.get(), "hello");
}

class RegistryTest : public testing::Test {
protected:
    void TearDown() override
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, (path + "\\Child").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
    }
    std::string path = "Software\\TrelvanTests\\Handles" + std::to_string(GetCurrentProcessId());
};

TEST_F(RegistryTest, TypedValuesRoundTrip)
{
    {
        fw::RegKey key = fw::RegKey::Create(HKEY_CURRENT_USER, path + "\\Child");
        ASSERT_TRUE(key);
        EXPECT_TRUE(key.SetString("", "default text"));
        EXPECT_TRUE(key.SetString("Name", "Marl Document"));
        EXPECT_TRUE(key.SetString("Empty", ""));
        EXPECT_TRUE(key.SetDword("Count", 0xFFFFFFFFu));
    }
    fw::RegKey key = fw::RegKey::Open(HKEY_CURRENT_USER, path + "\\Child");
    ASSERT_TRUE(key);
    EXPECT_EQ(key.GetString(""), "default text");
    EXPECT_EQ(key.GetString("Name"), "Marl Document");
    EXPECT_EQ(key.GetString("Empty"), "");
    EXPECT_EQ(key.GetDword("Count"), 0xFFFFFFFFu);
    EXPECT_EQ(key.GetString("Missing"), std::nullopt);
    EXPECT_EQ(key.GetDword("Name"), std::nullopt) << "a string is not a number";
    EXPECT_EQ(key.GetString("Count"), std::nullopt) << "a number is not a string";
    EXPECT_FALSE(key.SetString("ReadOnly", "x")) << "opened for reading only";

    EXPECT_FALSE(fw::RegKey::Open(HKEY_CURRENT_USER, path + "\\Nowhere"));
    fw::RegKey none;
    EXPECT_EQ(none.GetString("Name"), std::nullopt);
    EXPECT_FALSE(none.SetDword("Count", 1));
}

TEST_F(RegistryTest, StringStoredWithoutTerminatorIsReadSafely)
{
    fw::RegKey key = fw::RegKey::Create(HKEY_CURRENT_USER, path);
    ASSERT_TRUE(key);
    const char raw[] = {'o', 'p', 'e', 'n'};
    ASSERT_EQ(
        RegSetValueExA(key.get(), "Raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(raw), sizeof raw),
        ERROR_SUCCESS);
    EXPECT_EQ(key.GetString("Raw"), "open");
    EXPECT_TRUE(key.DeleteValue("Raw"));
    EXPECT_EQ(key.GetString("Raw"), std::nullopt);
}

TEST(HandlesTest, FilesAreClosedSoOthersCanOpenThemExclusively)
{
    char dir[MAX_PATH] = {};
    char name[MAX_PATH] = {};
    ASSERT_NE(GetTempPathA(sizeof dir, dir), 0u);
    ASSERT_NE(GetTempFileNameA(dir, "fwh", 0, name), 0u);
    auto openExclusive = [&] {
        return fw::File(CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    {
        fw::File first = openExclusive();
        ASSERT_TRUE(first);
        EXPECT_FALSE(openExclusive()) << "sharing violation while open";
    }
    EXPECT_TRUE(openExclusive()) << "closed at scope end";

    fw::File failed(CreateFileA("Z:\\no\\such\\dir\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                0, nullptr));
    EXPECT_FALSE(failed) << "INVALID_HANDLE_VALUE is empty, not a handle";

    WIN32_FIND_DATAA found{};
    fw::FindHandle find(FindFirstFileA(name, &found));
    EXPECT_TRUE(find);
    fw::FindHandle none(FindFirstFileA("Z:\\no\\such\\*.*", &found));
    EXPECT_FALSE(none);
    DeleteFileA(name);
}

TEST(HandlesTest, ModuleIsFreedWithItsLastOwner)
{
    // A library the test program does not link.
    const char* library = "msacm32.dll";
    ASSERT_EQ(GetModuleHandleA(library), nullptr);
    {
        fw::Module module = fw::LoadLibraryHandle(library);
        ASSERT_TRUE(module);
        EXPECT_EQ(GetModuleHandleA(library), module.get());
    }
    EXPECT_EQ(GetModuleHandleA(library), nullptr);
}

HDDEDATA CALLBACK IgnoreDde(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

TEST(HandlesTest, DdeStringsAndInstancesAreFreed)
{
    DWORD id = 0;
    {
        UINT error = 0;
        fw::DdeInstance instance =
            fw::DdeInstance::Initialize(IgnoreDde, APPCMD_CLIENTONLY, &error);
        ASSERT_TRUE(instance) << "DDEML error " << error;
        id = instance.Id();
        fw::DdeString topic(id, "system");
        ASSERT_TRUE(topic);
        char text[32] = {};
        DdeQueryStringA(id, topic.get(), text, sizeof text, CP_WINANSI);
        EXPECT_STREQ(text, "system");

        fw::DdeString moved = std::move(topic);
        EXPECT_FALSE(topic);
        EXPECT_TRUE(moved);

        fw::DdeInstance other = std::move(instance);
        EXPECT_EQ(other.Id(), id);
        EXPECT_FALSE(instance);
        // No server: the conversation owner stays empty.
        fw::DdeString service(id, "NoSuchServiceAnywhere");
        fw::DdeConversation conversation(DdeConnect(id, service.get(), moved.get(), nullptr));
        EXPECT_FALSE(conversation);
    }
    // Uninitialised: the instance id is refused from now on.
    EXPECT_EQ(DdeCreateStringHandleA(id, "x", CP_WINANSI), nullptr);
}

} // namespace
