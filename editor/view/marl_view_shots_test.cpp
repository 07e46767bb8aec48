// Pictures of the editor window for people to look at, and the timing of a
// big file.  Both run only when asked: the pictures with TV_SHOTS_DIR set
// (a folder for the BMP files), the timing with
// --gtest_also_run_disabled_tests.
#include "editor/view/view_test_support.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "editor/base/options_print.h"
#include "editor/view/view_print.h"
#include "framework/testing/file_printer.h"
#include "resource.h"

namespace viewtest {
namespace {

// Copies what the screen shows of `window` into a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::string& path)
{
    RECT area{};
    GetClientRect(window, &area);
    const int width = area.right;
    const int height = area.bottom;
    HDC screen = GetDC(window);
    fw::OwnedDC memory = fw::CreateMemoryDC(screen);
    fw::Bitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    {
        fw::SelectGuard select(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
    }
    ReleaseDC(window, screen);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * height);
    GetDIBits(memory.get(), bitmap.get(), 0, height, pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return out.good();
}

const char kSample[] = "#include <stdio.h>\n"
                       "\n"
                       "/* Counts the words of a line;\n"
                       "   blanks and\ttabs separate them. */\n"
                       "static int count(const char *line)\n"
                       "{\n"
                       "\tint n = 0; // words so far\n"
                       "\tchar *p = \"/* not a comment */\";\n"
                       "\twhile (*line)\n"
                       "\t\tn++;\n"
                       "\treturn n;\n"
                       "}\n";

class Pictures : public ViewTest {
protected:
    void SetUp() override
    {
        const char* dir = std::getenv("TV_SHOTS_DIR");
        if (!dir)
            GTEST_SKIP() << "TV_SHOTS_DIR not set";
        m_shots = dir;
        ViewTest::SetUp();
        OpenText("count.c", kSample);
    }
    void Shoot(const char* name)
    {
        RedrawWindow(m_main->GetHwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump(*m_app);
        Sleep(200);
        ASSERT_TRUE(SaveWindowPicture(View()->GetHwnd(), m_shots + "\\" + name + ".bmp"));
    }
    std::string m_shots;
};

TEST_F(Pictures, ColouredSelectionBookmarkAndCarets)
{
    Shoot("editor-coloured");
    // A selection from inside the declaration across the block comment.
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RIGHT);
    for (int i = 0; i < 3; ++i)
        Key(VK_DOWN, {VK_SHIFT});
    Key(VK_END, {VK_SHIFT});
    EXPECT_TRUE(View()->HasSelection());
    Shoot("editor-selection-across-comment");
    Key(VK_HOME, {VK_CONTROL});
    View()->Bookmarks()[0] = View()->Text().MoveLines(0, 4);
    Key(VK_DOWN);
    Shoot("editor-bookmark-thin-caret");
    m_options.m_bCursor = 1;
    SendMessageA(m_main->GetHwnd(), WM_COMMAND, ID_SETTINGS_CHANGED, 0);
    Pump(*m_app);
    Shoot("editor-notebook-caret");
    SendMessageA(m_main->GetHwnd(), WM_COMMAND, ID_SHOW_HIDDEN, 0);
    Pump(*m_app);
    Shoot("editor-show-hidden");
    SendMessageA(m_main->GetHwnd(), WM_COMMAND, ID_SHOW_HIDDEN, 0);
    for (int i = 0; i < 6; ++i)
        SendMessageA(View()->GetHwnd(), WM_HSCROLL, SB_LINERIGHT, 0);
    Pump(*m_app);
    EXPECT_EQ(View()->GetHorizontalOffset(), -6 * View()->GetCharWidth());
    Shoot("editor-scrolled-right");
}

TEST_F(Pictures, PrintedPageAndPreview)
{
    const std::string ps = Path("print.ps");
    ASSERT_TRUE(fw::test::InstallFilePrinter("Marl Pictures PostScript", ps));
    CPrintOptions print;
    print.m_strHeader = "count.c\tprinted listing";
    print.m_bLineNumbers = 1;
    print.m_bSyntaxBold = 1;
    CPrintOptions* saved = std::exchange(g_pPrintOptions, &print);
    SetPageTextExpander([](std::string_view text, const CMarlView&, int page) {
        std::string out(text);
        if (const std::size_t at = out.find("$Page$"); at != std::string::npos)
            out.replace(at, 6, std::to_string(page));
        return out;
    });
    OnNextDialog("Print", [](HWND dialog) { ClickButton(dialog, IDOK); });
    SendMessageA(m_main->GetHwnd(), WM_COMMAND, ID_FILE_PRINT, 0);
    EXPECT_TRUE(fw::test::RenderPostScriptPage(ps, 1, m_shots + "\\print-page-1.png", 60));
    SendMessageA(m_main->GetHwnd(), WM_COMMAND, ID_PRINT_PREVIEW_BUTTON, 0);
    ASSERT_TRUE(View()->Printing().Preview().IsOpen());
    RedrawWindow(m_main->GetHwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(*m_app);
    Sleep(200);
    EXPECT_TRUE(SaveWindowPicture(m_main->GetHwnd(), m_shots + "\\print-preview.bmp"));
    View()->Printing().Preview().Close();
    SetPageTextExpander({});
    g_pPrintOptions = saved;
}

// ---- Timing of a big file ---------------------------------------------------

using BigFile = ViewTest;

double Milliseconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
        .count();
}

TEST_F(BigFile, DISABLED_OpenEndPageAndTypeIn100MegabytesOfC)
{
    const std::string path = Path("big.c");
    {
        std::ofstream out(path, std::ios::binary);
        const std::string block = "/* a comment */\r\nint main(int argc, char **argv)\r\n{\r\n"
                                  "\treturn argc; // done\r\n}\r\n";
        for (std::size_t written = 0; written < 100u * 1024 * 1024; written += block.size())
            out << block;
    }
    auto step = [&](const char* what, auto action) {
        const auto start = std::chrono::steady_clock::now();
        action();
        UpdateWindow(View()->GetHwnd());
        std::printf("%-28s %9.1f ms\n", what, Milliseconds(start));
    };
    step("open (load and first paint)", [&] {
        m_app->OpenDocumentFile(path);
        Pump(*m_app);
        SetFocus(View()->GetHwnd());
        Pump(*m_app);
    });
    step("Ctrl+End", [&] { Key(VK_END, {VK_CONTROL}); });
    step("PgUp", [&] { Key(VK_PRIOR); });
    step("PgUp again", [&] { Key(VK_PRIOR); });
    step("PgDn", [&] { Key(VK_NEXT); });
    step("type a character", [&] { Chars("x"); });
    step("type another", [&] { Chars("y"); });
    step("Ctrl+Home", [&] { Key(VK_HOME, {VK_CONTROL}); });
    step("type at the start", [&] { Chars("z"); });
    step("PgDn at the start", [&] { Key(VK_NEXT); });
    EXPECT_GT(View()->GetCaretLine(), 1); // the page went down from the start
}

} // namespace
} // namespace viewtest
