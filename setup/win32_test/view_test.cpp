// The setup window's painting and the wizard pages, in-process: the progress
// box painted into a bitmap and read back pixel by pixel; the pages run
// modally and driven by a timer, as a user would click them.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/handles.h"
#include "resource.h"
#include "setup/progress_painter.h"
#include "setup/wizard_pages.h"

namespace {

constexpr COLORREF kTeal = RGB(0, 128, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A 640 × 480 screen-compatible bitmap painted by the progress painter.
class PaintedScreen {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    PaintedScreen()
        : m_screen(nullptr), m_dc(fw::CreateMemoryDC(m_screen.get())),
          m_bitmap(CreateCompatibleBitmap(m_screen.get(), kWidth, kHeight)),
          m_picture(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACKDROP)))
    {
        m_old = SelectObject(m_dc.get(), m_bitmap.get());
    }
    ~PaintedScreen() { SelectObject(m_dc.get(), m_old); }

    void Paint(InstallProgress& progress, PixelRect& barRect)
    {
        Paint(progress, barRect, {0, 0, kWidth, kHeight});
    }
    // A paint of part of the screen, as when only that part was invalidated.
    void Paint(InstallProgress& progress, PixelRect& barRect, const RECT& area)
    {
        ProgressPainter(m_picture.get())
            .Paint(m_dc.get(), area, kWidth, kHeight, progress, barRect);
    }
    COLORREF At(int x, int y) const { return GetPixel(m_dc.get(), x, y); }
    void Mark(int x, int y, COLORREF colour) { SetPixel(m_dc.get(), x, y, colour); }
    // Whether any pixel of the row between x0 and x1 has the colour.
    bool RowHas(int y, int x0, int x1, COLORREF colour) const
    {
        for (int x = x0; x < x1; ++x)
            if (At(x, y) == colour)
                return true;
        return false;
    }

private:
    fw::ClientDC m_screen;
    fw::OwnedDC m_dc;
    fw::Bitmap m_bitmap;
    fw::Bitmap m_picture;
    HGDIOBJ m_old;
};

TEST(ProgressPainter, BackdropAloneBeforeCopying)
{
    PaintedScreen screen;
    InstallProgress idle;
    PixelRect bar;
    screen.Paint(idle, bar);
    EXPECT_EQ(screen.At(600, 400), kTeal);
    EXPECT_EQ(screen.At(300, 350), kTeal); // where the box would be
    EXPECT_EQ(idle.m_nProgressState, kProgressIdle);
    // The product name of bitmap 102, yellow, near its top left.
    EXPECT_TRUE(screen.RowHas(22, 100, 200, RGB(255, 255, 0)));
}

TEST(ProgressPainter, HalfwayBarIsBlueToTheMiddleWithThePercentXored)
{
    PaintedScreen screen;
    InstallProgress progress;
    progress.m_nProgressState = kProgressStarted;
    progress.m_strCurrentFile = "EDIT.EXE";
    progress.m_nPercent = 50;
    PixelRect bar;
    screen.Paint(progress, bar);
    EXPECT_EQ(progress.m_nProgressState, kProgressBoxDrawn);
    EXPECT_EQ(bar, (PixelRect{201, 331, 439, 379}));
    const int h = PaintedScreen::kHeight;
    EXPECT_EQ(screen.At(195, h - 185), kWhite);       // the box
    EXPECT_EQ(screen.At(190, h - 150), RGB(0, 0, 0)); // its outline
    EXPECT_EQ(screen.At(201, h - 110), kBlue);        // first blue column
    EXPECT_EQ(screen.At(319, h - 110), kBlue);        // last blue column
    EXPECT_EQ(screen.At(321, h - 110), kWhite);
    // "50%" centred: white glyph pixels over the blue, blue ones over the white.
    bool whiteOverBlue = false, blueOverWhite = false;
    for (int y = h - 135; y < h - 115; ++y) {
        whiteOverBlue |= screen.RowHas(y, 290, 320, kWhite);
        blueOverWhite |= screen.RowHas(y, 322, 350, kBlue);
    }
    EXPECT_TRUE(whiteOverBlue);
    EXPECT_TRUE(blueOverWhite);
    // "Copying file EDIT.EXE" in the strip above the bar.
    bool captionText = false;
    for (int y = bar.top - 35; y < bar.top - 20; ++y)
        captionText |= screen.RowHas(y, 201, 330, RGB(0, 0, 0));
    EXPECT_TRUE(captionText);
}

TEST(ProgressPainter, AtZeroTheBarIsWhiteWithTheTextInBlue)
{
    PaintedScreen screen;
    InstallProgress progress;
    progress.m_nProgressState = kProgressStarted;
    PixelRect bar;
    screen.Paint(progress, bar);
    const int h = PaintedScreen::kHeight;
    EXPECT_EQ(screen.At(205, h - 110), kWhite);
    bool blueText = false;
    for (int y = h - 135; y < h - 115; ++y)
        blueText |= screen.RowHas(y, 300, 340, kBlue);
    EXPECT_TRUE(blueText);
    // A later paint of the bar fills only the bands around the box: marks
    // in the box outside the strip and the bar stay, marks in a band go.
    constexpr COLORREF kMark = RGB(255, 0, 0);
    const POINT inBox[] = {{195, h - 185}, {PaintedScreen::kWidth - 195, h - 85}, {195, h - 125}};
    for (const POINT& p : inBox)
        screen.Mark(p.x, p.y, kMark);
    screen.Mark(100, h - 185, kMark);
    progress.m_nPercent = 50;
    screen.Paint(progress, bar, {bar.left, bar.top, bar.right, bar.bottom});
    for (const POINT& p : inBox)
        EXPECT_EQ(screen.At(p.x, p.y), kMark) << p.x << "," << p.y;
    EXPECT_EQ(screen.At(100, h - 185), kTeal);
    EXPECT_EQ(screen.At(319, h - 110), kBlue);
}

// Runs steps on a timer while a modal page is up; each step is retried
// until it answers true.
class PageDriver {
public:
    explicit PageDriver(std::vector<std::function<bool()>> steps)
    {
        s_steps = std::move(steps);
        s_next = 0;
        m_timer = SetTimer(nullptr, 0, 30, Tick);
    }
    ~PageDriver() { KillTimer(nullptr, m_timer); }
    static bool Done() { return s_next == s_steps.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_next < s_steps.size() && s_steps[s_next]())
            ++s_next;
    }
    static inline std::vector<std::function<bool()>> s_steps;
    static inline std::size_t s_next = 0;
    UINT_PTR m_timer;
};

HWND Dialog(const char* caption)
{
    return FindWindowA("#32770", caption);
}

// Posted, so that a click that opens another modal box never blocks a step.
bool Click(const char* caption, int id)
{
    HWND dialog = Dialog(caption);
    if (!dialog || !IsWindowVisible(dialog))
        return false;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    return true;
}

InstallModel FourComponents()
{
    InstallModel model;
    model.m_strTitle = "Demo";
    model.m_strInstallDir = "C:\\DEMO";
    model.m_options = {"Program", "Help", "Samples", "Tools"};
    return model;
}

TEST(WizardPages, ComponentsShowOneBoxPerOptionAllChecked)
{
    InstallModel model = FourComponents();
    bool shown[9] = {};
    std::string third;
    PageDriver driver({
        [&] {
            HWND page = Dialog("Select Components");
            if (!page || !IsWindowVisible(page))
                return false;
            for (int k = 0; k < 9; ++k)
                shown[k] = IsWindowVisible(GetDlgItem(page, IDC_COMPONENT1 + k));
            char text[64] = {};
            GetDlgItemTextA(page, IDC_COMPONENT1 + 2, text, sizeof text);
            third = text;
            EXPECT_EQ(IsDlgButtonChecked(page, IDC_COMPONENT1), BST_CHECKED);
            CheckDlgButton(page, IDC_COMPONENT1 + 1, BST_UNCHECKED);
            return true;
        },
        [] { return Click("Select Components", IDOK); },
    });
    CComponentsPage page(nullptr, nullptr, model);
    EXPECT_EQ(page.Run(), PageResult::Next);
    EXPECT_TRUE(PageDriver::Done());
    EXPECT_EQ((std::vector<bool>(shown, shown + 9)),
              (std::vector<bool>{true, true, true, true, false, false, false, false, false}));
    EXPECT_EQ(third, "Samples");
    EXPECT_TRUE(page.Checked()[0]);
    EXPECT_FALSE(page.Checked()[1]);
    EXPECT_TRUE(page.Checked()[8]);
}

TEST(WizardPages, ChangeStoresTheEditedDirectoryAsItStands)
{
    InstallModel model = FourComponents();
    std::string shownAfter;
    PageDriver driver({
        [] { return Click("Choose Destination Location", IDC_CHANGE); },
        [] {
            HWND change = Dialog("Destination Directory");
            if (!change || !IsWindowVisible(change))
                return false;
            SetDlgItemTextA(change, IDC_NEW_DIR, "d:\\other dir\\");
            return Click("Destination Directory", IDOK);
        },
        [&] {
            if (Dialog("Destination Directory"))
                return false;
            char text[64] = {};
            GetDlgItemTextA(Dialog("Choose Destination Location"), IDC_DESTINATION_DIR, text,
                            sizeof text);
            shownAfter = text;
            return Click("Choose Destination Location", IDC_BACK);
        },
    });
    CDestinationPage page(nullptr, nullptr, model);
    EXPECT_EQ(page.Run(), PageResult::Back);
    EXPECT_EQ(model.m_strInstallDir, "d:\\other dir\\");
    EXPECT_EQ(shownAfter, "d:\\other dir\\");
}

TEST(WizardPages, WelcomeNamesTheProductAndHasNoWayBack)
{
    InstallModel model = FourComponents();
    std::string text;
    bool backEnabled = true;
    PageDriver driver({[&] {
        HWND page = Dialog("Welcome");
        if (!page)
            return false;
        char buffer[256] = {};
        GetDlgItemTextA(page, IDC_PAGE_TEXT, buffer, sizeof buffer);
        text = buffer;
        backEnabled = IsWindowEnabled(GetDlgItem(page, IDC_BACK));
        return Click("Welcome", IDCANCEL);
    }});
    CWelcomePage page(nullptr, nullptr, model);
    EXPECT_EQ(page.Run(), PageResult::Cancel);
    EXPECT_EQ(text,
              "Welcome to the Demo Setup program. This program will install Demo on your system.");
    EXPECT_FALSE(backEnabled);
}

TEST(WizardPages, SetupTypeStartsOnTypicalAndReportsTheChoice)
{
    InstallModel model = FourComponents();
    PageDriver driver({
        [] {
            HWND page = Dialog("Setup Type");
            if (!page || !IsWindowVisible(page))
                return false;
            EXPECT_EQ(IsDlgButtonChecked(page, IDC_TYPICAL), BST_CHECKED);
            CheckRadioButton(page, IDC_TYPICAL, IDC_CUSTOM, IDC_CUSTOM);
            return true;
        },
        [] { return Click("Setup Type", IDOK); },
    });
    CSetupTypePage page(nullptr, nullptr, model);
    EXPECT_EQ(page.Run(), PageResult::Next);
    EXPECT_EQ(page.Kind(), SetupKind::Custom);
}

} // namespace
