// No GDI or USER objects left behind: 100 documents opened, split, given a
// second window and closed.
#include <gtest/gtest.h>

#include "framework/app_test_support.h"

namespace fwtest {
namespace {

struct GuiObjects {
    long gdi;
    long user;
};

// Wine answers GetGuiResources with 0: there the handle tables are walked
// instead (handles without a generation number stand for any generation).
GuiObjects CountByProbing()
{
    GuiObjects n{0, 0};
    for (ULONG_PTR i = 1; i < 0x10000; ++i)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(i)))
            ++n.gdi;
    for (ULONG_PTR i = 0x20; i < 0x10000; i += 2) {
        auto h = reinterpret_cast<HANDLE>(i);
        if (IsWindow(static_cast<HWND>(h)) || IsMenu(static_cast<HMENU>(h)) ||
            CopyAcceleratorTableA(static_cast<HACCEL>(h), nullptr, 0) > 0)
            ++n.user;
    }
    return n;
}

GuiObjects Count()
{
    HANDLE self = GetCurrentProcess();
    GuiObjects n{static_cast<long>(GetGuiResources(self, GR_GDIOBJECTS)),
                 static_cast<long>(GetGuiResources(self, GR_USEROBJECTS))};
    return n.gdi || n.user ? n : CountByProbing();
}

class LeakTest : public AppTest {
protected:
    // One document from start to end: a new one split and given a second
    // window, or a file opened from disk.
    void OneDocumentLife(int i)
    {
        if (i % 2 == 0) {
            TestDoc* doc = NewDocument();
            ASSERT_NE(doc, nullptr);
            doc->Edit("document " + std::to_string(i));
            ASSERT_TRUE(ActiveChild()->m_splitter.SplitRow(40));
            Command(ID_WINDOW_NEW);
            m_app->CloseAllDocuments(false);
            Pump(*m_app);
        } else {
            ASSERT_NE(Open(Path("a.tst")), nullptr);
            Command(ID_FILE_CLOSE);
        }
    }
};

TEST_F(LeakTest, TheCountsSeeObjectsComeAndGo)
{
    // Without this the check below could not fail.
    GuiObjects before = Count();
    fw::Brush brush(CreateSolidBrush(RGB(1, 2, 3)));
    fw::OwnedMenu menu(CreateMenu());
    GuiObjects during = Count();
    EXPECT_GT(during.gdi, before.gdi);
    EXPECT_GT(during.user, before.user);
    brush.reset();
    menu.reset();
    GuiObjects after = Count();
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
}

TEST_F(LeakTest, HundredDocumentsLeaveNoGdiOrUserObjectsBehind)
{
    MakeMainFrame(BarSet{true, true, true});
    WriteText(Path("a.tst"), "on disk");
    for (int i = 0; i < 4; ++i) // caches of the platform fill up first
        OneDocumentLife(i);
    GuiObjects before = Count();
    for (int i = 0; i < 100; ++i)
        OneDocumentLife(i);
    GuiObjects after = Count();
    // A leak of one object per document would show as 100.
    EXPECT_LE(after.gdi - before.gdi, 5) << "GDI " << before.gdi << " -> " << after.gdi;
    EXPECT_LE(after.user - before.user, 5) << "USER " << before.user << " -> " << after.user;
    EXPECT_TRUE(Documents().empty());
    EXPECT_TRUE(Main().GetChildFrames().empty());
}

} // namespace
} // namespace fwtest
