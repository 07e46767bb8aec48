// The common dialog wrappers: name-list and filter-list parsing, the open,
// font and find/replace dialogs driven for real.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/common_dialogs.h"
// Control ids of the common dialogs (after <windows.h>).
#include <dlgs.h>
#include "framework/dialog.h"
#include "framework/dialog_test_res.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/pump.h"

namespace {

using fw::test::StepRunner;
using Paths = std::vector<std::string>;

std::string_view Buffer(const char* bytes, size_t size)
{
    return std::string_view(bytes, size);
}
#define BUF(literal) Buffer(literal, sizeof(literal) - 1)

TEST(FileNamesTest, EveryPathOfTheNameBuffer)
{
    struct Case {
        const char* what;
        std::string_view buffer;
        bool multiSelect;
        bool explorer;
        Paths expected;
    } cases[] = {
        {"several", BUF("C:\\src\0a.c\0b.h\0\0"), true, true, {"C:\\src\\a.c", "C:\\src\\b.h"}},
        {"several in a root", BUF("C:\\\0a.c\0b.h\0\0"), true, true, {"C:\\a.c", "C:\\b.h"}},
        {"one of a multi-select", BUF("C:\\src\\one.c\0\0"), true, true, {"C:\\src\\one.c"}},
        {"blanks are part of names",
         BUF("C:\\My Files\0a b.txt\0c.txt\0\0"),
         true,
         true,
         {"C:\\My Files\\a b.txt", "C:\\My Files\\c.txt"}},
        {"single select", BUF("C:\\x y\\one.txt\0stale\0\0"), false, true, {"C:\\x y\\one.txt"}},
        {"nothing", BUF("\0\0"), true, true, {}},
        {"empty buffer", std::string_view(), true, true, {}},
        {"a name cut off by the buffer is dropped",
         BUF("C:\\d\0a.txt\0b.t"),
         true,
         true,
         {"C:\\d\\a.txt"}},
        {"a path cut off by the buffer is dropped", BUF("C:\\dir\\fil"), false, true, {}},
        {"old style, several",
         BUF("C:\\DIR A.TXT B.TXT\0"),
         true,
         false,
         {"C:\\DIR\\A.TXT", "C:\\DIR\\B.TXT"}},
        {"old style, one", BUF("C:\\DIR\\A.TXT\0"), true, false, {"C:\\DIR\\A.TXT"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::ParseFileNames(c.buffer, c.multiSelect, c.explorer), c.expected) << c.what;
}

TEST(FileNamesTest, FilterListRoundTrip)
{
    const std::vector<fw::FileFilter> filters = {
        {"C/C++ Source", "*.c;*.cpp"}, {"Headers", "*.h"}, {"All Files", "*.*"}};
    const std::string list = fw::MakeFilterList(filters);
    const char expected[] = "C/C++ Source\0*.c;*.cpp\0Headers\0*.h\0All Files\0*.*\0";
    EXPECT_EQ(list, std::string(expected, sizeof expected - 1));

    std::vector<fw::FileFilter> back = fw::SplitFilterList(list);
    ASSERT_EQ(back.size(), filters.size());
    for (size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].description, filters[i].description);
        EXPECT_EQ(back[i].mask, filters[i].mask);
    }

    // A fixed buffer holding the list and then zeros, as the program keeps it.
    char table[512] = {};
    std::memcpy(table, list.data(), list.size());
    EXPECT_EQ(fw::SplitFilterList(std::string_view(table, sizeof table)).size(), 3u);
    // A description without its mask, or cut off, ends the list.
    EXPECT_EQ(fw::SplitFilterList(BUF("Text\0*.txt\0Lonely\0\0")).size(), 1u);
    EXPECT_EQ(fw::SplitFilterList(BUF("Text\0*.txt\0Cut\0*.c")).size(), 1u);
    EXPECT_TRUE(fw::SplitFilterList({}).empty());
    EXPECT_TRUE(fw::MakeFilterList({}).empty());
}

class CommonDialogTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(owner.GetHwnd()) << "no display"; }
    void TearDown() override { owner.onMessage = nullptr; }

    // Runs `show` (a modal common dialog) while `steps` drive the dialog it
    // opens; a dialog left open is cancelled and fails the test.
    template <typename Show> auto RunCommonDialog(Show show, std::vector<StepRunner::Step> steps)
    {
        StepRunner runner(std::move(steps), [&] {
            if (HWND open = fw::test::FindOwnedDialog(owner.GetHwnd()))
                PostMessageA(open, WM_COMMAND, IDCANCEL, 0);
        });
        auto result = show();
        EXPECT_FALSE(runner.TimedOut()) << "the dialog was left open";
        EXPECT_TRUE(runner.Finished());
        return result;
    }

    fw::test::OwnerWindow& owner = fw::test::SharedOwner();
};

class TempFolder {
public:
    TempFolder()
    {
        char base[MAX_PATH] = {};
        GetTempPathA(sizeof base, base);
        m_path = std::string(base) + "fw dialogs " + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~TempFolder()
    {
        for (const std::string& f : m_files)
            DeleteFileA(f.c_str());
        RemoveDirectoryA(m_path.c_str());
    }
    std::string Add(const std::string& name)
    {
        std::string file = m_path + "\\" + name;
        fw::File(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
        m_files.push_back(file);
        return file;
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    std::vector<std::string> m_files;
};

std::string CurrentDirectory()
{
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof dir, dir);
    return dir;
}

// The file name box of the open dialog: a combo box in the Explorer style.
HWND FileNameBox(HWND dialog)
{
    HWND box = GetDlgItem(dialog, cmb13);
    return box ? box : GetDlgItem(dialog, edt1);
}

TEST_F(CommonDialogTest, OpenDialogReturnsEverySelectedFileAndKeepsTheDirectory)
{
    TempFolder folder;
    const std::string first = folder.Add("one file.c");
    const std::string second = folder.Add("two.h");
    const std::string before = CurrentDirectory();

    fw::FileDialogOptions options;
    options.owner = owner.GetHwnd();
    options.title = "Open";
    options.filter = fw::MakeFilterList({{"C/C++ Source", "*.c;*.h"}, {"All Files", "*.*"}});
    options.initialDir = folder.Path();
    options.multiSelect = true;

    HWND dialog = nullptr;
    fw::FileDialogResult result = RunCommonDialog(
        [&] { return fw::ShowOpenDialog(options); },
        {[&] {
             dialog = fw::test::FindOwnedDialog(owner.GetHwnd());
             ASSERT_TRUE(dialog);
             char title[32] = {};
             GetWindowTextA(dialog, title, sizeof title);
             EXPECT_STREQ(title, "Open");
             SetWindowTextA(FileNameBox(dialog), "\"one file.c\" \"two.h\"");
         },
         [&] { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }});

    EXPECT_EQ(result.paths, (Paths{first, second}));
    EXPECT_EQ(result.filterIndex, 1u);
    EXPECT_EQ(CurrentDirectory(), before) << "the dialog must not move the current directory";
}

// One file: Wine reports the read-only box only for a single file.
TEST_F(CommonDialogTest, OpenDialogReportsTheReadOnlyBox)
{
    TempFolder folder;
    const std::string file = folder.Add("only.txt");
    fw::FileDialogOptions options;
    options.owner = owner.GetHwnd();
    options.initialDir = folder.Path();
    options.multiSelect = true;
    options.showReadOnly = true;
    for (bool tick : {true, false}) {
        SCOPED_TRACE(tick ? "ticked" : "not ticked");
        HWND dialog = nullptr;
        fw::FileDialogResult result = RunCommonDialog(
            [&] { return fw::ShowOpenDialog(options); },
            {[&] {
                 dialog = fw::test::FindOwnedDialog(owner.GetHwnd());
                 if (!dialog)
                     return StepRunner::Again();
                 HWND box = GetDlgItem(dialog, chx1);
                 EXPECT_TRUE(IsWindowVisible(box)) << "the box is offered";
                 if (tick)
                     SendMessageA(box, BM_CLICK, 0, 0);
                 SetWindowTextA(FileNameBox(dialog), "only.txt");
             },
             [&] { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }});
        EXPECT_EQ(result.paths, Paths{file});
        EXPECT_EQ(result.readOnly, tick);
    }
}

TEST_F(CommonDialogTest, CancelledOpenDialogReturnsNothing)
{
    fw::FileDialogOptions options;
    options.owner = owner.GetHwnd();
    fw::FileDialogResult result =
        RunCommonDialog([&] { return fw::ShowOpenDialog(options); }, {[&] {
                            PostMessageA(fw::test::FindOwnedDialog(owner.GetHwnd()), WM_COMMAND,
                                         MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                        }});
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, 0u) << "a cancel is not a failure";
}

TEST_F(CommonDialogTest, FontDialogStartsFromAndReturnsALogfont)
{
    LOGFONTA initial{};
    initial.lfHeight = -16;
    initial.lfWeight = FW_BOLD;
    initial.lfItalic = TRUE;
    initial.lfCharSet = ANSI_CHARSET;
    lstrcpyA(initial.lfFaceName, "Tahoma");

    std::string shownFace;
    std::optional<fw::FontChoice> choice = RunCommonDialog(
        [&] { return fw::ChooseScreenFont(owner.GetHwnd(), initial, RGB(0, 0, 255)); }, {[&] {
            HWND dialog = fw::test::FindOwnedDialog(owner.GetHwnd());
            if (!dialog)
                return StepRunner::Again();
            char face[LF_FACESIZE] = {};
            GetDlgItemTextA(dialog, cmb1, face, sizeof face);
            shownFace = face;
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, chx1))) << "effects: strikeout";
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }});
    EXPECT_EQ(shownFace, "Tahoma");
    ASSERT_TRUE(choice);
    EXPECT_STREQ(choice->font.lfFaceName, "Tahoma");
    EXPECT_EQ(choice->font.lfWeight, FW_BOLD);
    EXPECT_TRUE(choice->font.lfItalic);
    EXPECT_EQ(choice->color, RGB(0, 0, 255));
    EXPECT_GT(choice->pointSize, 0);
}

TEST(PrinterSettingsTest, DefaultPrinterOrNothing)
{
    fw::PrinterSettings printer;
    EXPECT_FALSE(printer.HasPrinter());
    EXPECT_FALSE(printer.CreatePrinterDC());
    if (printer.LoadDefault()) {
        EXPECT_TRUE(printer.HasPrinter());
        EXPECT_FALSE(printer.DeviceName().empty());
        EXPECT_TRUE(printer.CreatePrinterDC());
    } else {
        EXPECT_FALSE(printer.HasPrinter());
        EXPECT_EQ(printer.DeviceName(), "");
    }
}

// ---------------------------------------------------------------------------
// Find and replace.

class RegexFindDialog : public fw::FindReplaceDialog {
public:
    bool regex = false;
    bool initialised = false;
    bool destroyed = false;

protected:
    void OnInitDialog() override
    {
        initialised = true;
        CheckDlgButton(GetHwnd(), IDC_TEST_REGEX, BST_UNCHECKED);
    }
    bool OnCommand(int id, int, HWND) override
    {
        if (id != IDC_TEST_REGEX)
            return false;
        regex = IsDlgButtonChecked(GetHwnd(), IDC_TEST_REGEX) == BST_CHECKED;
        return true;
    }
    void OnDestroyed() override { destroyed = true; }
};

struct FindNotice {
    fw::FindReplaceDialog* dialog;
    DWORD flags;
    std::string findWhat;
    std::string replaceWith;
};

class FindReplaceTest : public CommonDialogTest {
protected:
    void SetUp() override
    {
        CommonDialogTest::SetUp();
        owner.onMessage = [this](UINT msg, WPARAM, LPARAM lParam) {
            if (msg != fw::FindReplaceDialog::Message())
                return false;
            fw::FindReplaceDialog* from = fw::FindReplaceDialog::FromNotify(lParam);
            notices.push_back({from, from ? from->Flags() : 0, from ? from->FindWhat() : "",
                               from ? from->ReplaceWith() : ""});
            return true;
        };
    }

    std::vector<FindNotice> notices;
};

TEST_F(FindReplaceTest, CustomTemplateDialogShowsAndNotifiesItsOwner)
{
    RegexFindDialog find;
    fw::FindReplaceDialog::Options options;
    options.owner = owner.GetHwnd();
    options.findWhat = "needle";
    options.templateId = IDD_TEST_FIND;
    ASSERT_TRUE(find.Create(options));
    HWND hWnd = find.GetHwnd();
    EXPECT_TRUE(IsWindowVisible(hWnd)) << "the template has no WS_VISIBLE";
    EXPECT_TRUE(find.initialised);
    EXPECT_FALSE(find.Create(options)) << "one dialog per object";
    const int pause = fw::test::PauseForScreenshot();
    if (pause)
        fw::test::Pump(pause);

    char text[32] = {};
    GetDlgItemTextA(hWnd, edt1, text, sizeof text);
    EXPECT_STREQ(text, "needle");
    EXPECT_EQ(IsDlgButtonChecked(hWnd, rad2), BST_CHECKED) << "down by default";

    SendDlgItemMessageA(hWnd, IDC_TEST_REGEX, BM_CLICK, 0, 0);
    EXPECT_TRUE(find.regex) << "the template's own box reaches the object";
    SendDlgItemMessageA(hWnd, chx2, BM_CLICK, 0, 0); // match case
    SetDlgItemTextA(hWnd, edt1, "ne+dle");
    SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); // Find Next

    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].dialog, &find);
    EXPECT_TRUE(notices[0].flags & FR_FINDNEXT);
    EXPECT_TRUE(notices[0].flags & FR_MATCHCASE);
    EXPECT_TRUE(notices[0].flags & FR_DOWN);
    EXPECT_EQ(notices[0].findWhat, "ne+dle");

    SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    fw::test::Pump(20);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_TRUE(notices[1].flags & FR_DIALOGTERM);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(find.GetHwnd(), nullptr);
    EXPECT_TRUE(find.destroyed);
}

TEST_F(FindReplaceTest, ReplaceDialogReportsReplaceAllAndTakesTabNavigation)
{
    fw::FindReplaceDialog replace;
    fw::FindReplaceDialog::Options options;
    options.owner = owner.GetHwnd();
    options.replace = true;
    options.findWhat = "a";
    options.replaceWith = "aa";
    ASSERT_TRUE(replace.Create(options));
    HWND hWnd = replace.GetHwnd();
    EXPECT_TRUE(IsWindowVisible(hWnd));

    SetForegroundWindow(hWnd);
    HWND findBox = GetDlgItem(hWnd, edt1);
    SetFocus(findBox);
    PostMessageA(findBox, WM_KEYDOWN, VK_TAB, 0x000F0001);
    fw::test::Pump(30);
    EXPECT_EQ(GetFocus(), GetDlgItem(hWnd, edt2))
        << "Tab reached the dialog through pre-translation";

    SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(psh2, BN_CLICKED), 0); // Replace All
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].flags & FR_REPLACEALL);
    EXPECT_EQ(notices[0].findWhat, "a");
    EXPECT_EQ(notices[0].replaceWith, "aa");

    replace.Destroy();
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(replace.GetHwnd(), nullptr);
}

TEST(FindReplaceNoticeTest, ForeignStructuresAreNotTakenForDialogs)
{
    FINDREPLACEA foreign{};
    foreign.lStructSize = sizeof foreign;
    foreign.lCustData = 12345;
    EXPECT_EQ(fw::FindReplaceDialog::FromNotify(reinterpret_cast<LPARAM>(&foreign)), nullptr);
    EXPECT_EQ(fw::FindReplaceDialog::FromNotify(0), nullptr);
    EXPECT_NE(fw::FindReplaceDialog::Message(), 0u);
}

} // namespace
