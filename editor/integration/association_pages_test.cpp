// The "Helpfiles" and "Outliner" pages in a property sheet of the test's
// own, driven by real messages: their lists, their Add dialogs, deleting,
// and what OK and Cancel leave in the profile section.
#include <windows.h>

#include <gtest/gtest.h>

#include "editor/integration/association_pages.h"
#include "editor/integration/testing/memory_profile_section.h"
#include "framework/application.h"
#include "framework/controls.h"
#include "framework/testing/dialog_driver.h"
#include "framework/testing/message_box_script.h"
#include "resource.h"

namespace {

using fw::test::StepRunner;
using Keys = std::vector<std::pair<std::string, std::string>>;

class PageTestApp : public fw::Application, public fw::test::MessageBoxScript {
public:
    int DoMessageBox(const std::string& text, UINT type, UINT) override
    {
        return AnswerMessageBox(text, type);
    }
};

class TestHelpfiles : public CHelpfiles {
public:
    using CHelpfiles::CHelpfiles;
    std::string m_chosen;

protected:
    std::string ChooseHelpFile() override { return m_chosen; }
};

class AssociationPagesTest : public testing::Test {
protected:
    INT_PTR Run(fw::PropertyPage& page, std::vector<StepRunner::Step> steps)
    {
        fw::PropertySheetDialog sheet("Options", fw::test::SharedOwner().GetHwnd());
        sheet.AddPage(page);
        m_sheet = &sheet;
        steps.insert(steps.begin(), [&] {
            if (!sheet.GetHwnd() || !IsWindowVisible(sheet.GetHwnd()))
                StepRunner::Again();
        });
        StepRunner runner(std::move(steps),
                          [&] { PostMessageA(sheet.GetHwnd(), WM_COMMAND, IDCANCEL, 0); });
        INT_PTR result = sheet.DoModal();
        EXPECT_FALSE(runner.TimedOut()) << "the sheet was left open";
        return result;
    }
    HWND Page() const { return PropSheet_GetCurrentPageHwnd(m_sheet->GetHwnd()); }
    fw::ListBoxControl List(int id) const { return fw::ListBoxControl(GetDlgItem(Page(), id)); }
    std::vector<std::string> Items(int id) const
    {
        std::vector<std::string> items;
        for (int i = 0; i < List(id).GetCount(); ++i)
            items.push_back(List(id).GetItemText(i));
        return items;
    }
    // Selects `text` in a list as a click would.
    void Select(int id, const std::string& text) const
    {
        List(id).SetCurSel(List(id).FindStringExact(text));
        SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(List(id).GetHwnd()));
    }
    void Press(int id) const { fw::test::ClickButton(Page(), id); }
    // Answers the Add dialog `caption` with an extension and a file.
    void AnswerAdd(const char* caption, const std::string& extension, const std::string& file)
    {
        fw::test::OnNextDialog(caption, [=](HWND dialog) {
            fw::test::SetEditText(GetDlgItem(dialog, IDC_ADD_EXTENSION), extension);
            fw::test::SetEditText(GetDlgItem(dialog, IDC_ADD_FILE), file);
            fw::test::ClickButton(dialog, IDOK);
        });
    }
    void PressSheet(int button) const { PropSheet_PressButton(m_sheet->GetHwnd(), button); }

    PageTestApp m_app;
    fw::PropertySheetDialog* m_sheet = nullptr;
};

TEST_F(AssociationPagesTest, HelpfilesPageEditsTheFilesOfEachExtension)
{
    MemoryProfileSection help{{"CPP", "A.HLP;B.HLP"}, {"C", "C.HLP"}, {"*", "D.HLP"}};
    TestHelpfiles page(help);
    std::vector<std::string> extensions, firstFiles, cppFiles, afterAdd;
    INT_PTR result = Run(page, {
        [&] {
            extensions = Items(IDC_HELP_EXTENSIONS);
            firstFiles = Items(IDC_HELP_FILES);
            Select(IDC_HELP_EXTENSIONS, "CPP");
            cppFiles = Items(IDC_HELP_FILES);
            Select(IDC_HELP_FILES, "A.HLP");
            Press(IDC_HELP_DELETE_FILE);
            page.m_chosen = "E:\\E.HLP";
            Press(IDC_HELP_ADD_FILE);
            AnswerAdd("Add Helpfile", "pas", "P.HLP");
            Press(IDC_HELP_NEW_EXTENSION);
        },
        [&] {
            EXPECT_TRUE(fw::test::DialogCame());
            afterAdd = Items(IDC_HELP_EXTENSIONS);
            EXPECT_EQ(List(IDC_HELP_EXTENSIONS).GetCurSel(), 3) << "the new extension selected";
            EXPECT_EQ(Items(IDC_HELP_FILES), std::vector<std::string>{"P.HLP"});
            PressSheet(PSBTN_OK);
        },
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(extensions, (std::vector<std::string>{"*", "C", "CPP"}));
    EXPECT_EQ(firstFiles, (std::vector<std::string>{"D.HLP"})) << "the first extension, \"*\"";
    EXPECT_EQ(cppFiles, (std::vector<std::string>{"A.HLP", "B.HLP"}));
    EXPECT_EQ(afterAdd, (std::vector<std::string>{"*", "C", "CPP", "PAS"}));
    EXPECT_EQ(help.m_keys, (Keys{{"CPP", ";B.HLP;E:\\E.HLP"}, {"C", "C.HLP"}, {"*", "D.HLP"},
                                 {"PAS", "P.HLP"}}));
}

TEST_F(AssociationPagesTest, HelpfilesPageNeedsAnExtensionAndCancelKeepsTheProfile)
{
    MemoryProfileSection help;
    TestHelpfiles page(help);
    page.m_chosen = "A.HLP";
    Run(page, {[&] {
        Press(IDC_HELP_ADD_FILE);
        Press(IDC_HELP_DELETE_FILE); // nothing selected: nothing happens
        AnswerAdd("Add Helpfile", "c", "C.HLP");
        Press(IDC_HELP_NEW_EXTENSION);
    },
               [&] { PressSheet(PSBTN_CANCEL); }});
    ASSERT_EQ(m_app.m_shown.size(), 1u);
    EXPECT_EQ(m_app.m_shown[0].text,
              "You must first enter/select an extension you want to add helpfiles for.");
    EXPECT_TRUE(help.m_keys.empty());
}

TEST_F(AssociationPagesTest, OutlinerPageEditsAddsAndDeletes)
{
    MemoryProfileSection outliners{{"CPP", "cpp.dll"}, {"C", "c.dll"}, {"H", "h.dll"}};
    COutline page(outliners);
    std::string first, typed;
    std::vector<std::string> afterDelete;
    int selectedAfterDelete = -1;
    INT_PTR result = Run(page, {
        [&] {
            first = fw::test::ItemText(Page(), IDC_OUTLINE_DLL);
            Select(IDC_OUTLINE_EXTENSIONS, "CPP");
            fw::test::SetEditText(GetDlgItem(Page(), IDC_OUTLINE_DLL), "funclist.dll");
            Select(IDC_OUTLINE_EXTENSIONS, "H");
            Press(IDC_OUTLINE_DELETE);
            afterDelete = Items(IDC_OUTLINE_EXTENSIONS);
            selectedAfterDelete = List(IDC_OUTLINE_EXTENSIONS).GetCurSel();
            typed = fw::test::ItemText(Page(), IDC_OUTLINE_DLL);
            AnswerAdd("Add Outliner DLL", "cc", "cc.dll");
            Press(IDC_OUTLINE_ADD);
        },
        [&] {
            EXPECT_TRUE(fw::test::DialogCame());
            EXPECT_EQ(fw::test::ItemText(Page(), IDC_OUTLINE_DLL), "cc.dll");
            PressSheet(PSBTN_OK);
        },
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(first, "c.dll") << "the first of the sorted list is shown";
    EXPECT_EQ(afterDelete, (std::vector<std::string>{"C", "CPP"}));
    EXPECT_EQ(selectedAfterDelete, 1) << "the entry above the deleted one";
    EXPECT_EQ(typed, "funclist.dll");
    EXPECT_EQ(outliners.m_keys, (Keys{{"CPP", "funclist.dll"}, {"C", "c.dll"}, {"CC", "cc.dll"}}));
}

} // namespace
