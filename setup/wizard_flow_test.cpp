#include "setup/wizard_flow.h"

#include <gtest/gtest.h>

#include "setup/res/resource.h"

namespace {

InstallModel ModelOfComponents()
{
    InstallModel model;
    model.m_strTypical = "2";
    model.m_strMinimal = "2,3";
    for (int component = 1; component <= 3; ++component)
        model.m_files.push_back("x,F" + std::to_string(component) + ",,,1,," +
                                std::to_string(component) + ",0");
    return model;
}

TEST(WizardFlow, EachPageResultPostsItsCommand)
{
    struct Case {
        WizardPage page;
        PageResult result;
        SetupKind kind;
        unsigned command;
        std::size_t filesLeft;
    } const cases[] = {
        {WizardPage::Welcome, PageResult::Next, SetupKind::Typical, ID_WIZARD_DESTINATION, 3},
        {WizardPage::Welcome, PageResult::Cancel, SetupKind::Typical, ID_APP_EXIT, 3},
        {WizardPage::Destination, PageResult::Next, SetupKind::Typical, ID_WIZARD_SETUPTYPE, 3},
        {WizardPage::Destination, PageResult::Back, SetupKind::Typical, ID_WIZARD_WELCOME, 3},
        {WizardPage::Destination, PageResult::Cancel, SetupKind::Typical, ID_APP_EXIT, 3},
        {WizardPage::SetupType, PageResult::Next, SetupKind::Typical, ID_WIZARD_INSTALL, 2},
        {WizardPage::SetupType, PageResult::Next, SetupKind::Compact, ID_WIZARD_INSTALL, 1},
        {WizardPage::SetupType, PageResult::Next, SetupKind::Custom, ID_WIZARD_COMPONENTS, 3},
        {WizardPage::SetupType, PageResult::Back, SetupKind::Compact, ID_WIZARD_DESTINATION, 3},
        {WizardPage::SetupType, PageResult::Cancel, SetupKind::Compact, ID_APP_EXIT, 3},
        {WizardPage::Components, PageResult::Back, SetupKind::Custom, ID_WIZARD_SETUPTYPE, 3},
        {WizardPage::Components, PageResult::Cancel, SetupKind::Custom, ID_APP_EXIT, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "page " << static_cast<int>(c.page) << " result "
                                        << static_cast<int>(c.result));
        InstallModel model = ModelOfComponents();
        PageChoices choices;
        choices.kind = c.kind;
        choices.checked[0] = false; // only the Components page's Next may use it
        EXPECT_EQ(AfterPage(c.page, c.result, choices, model), c.command);
        EXPECT_EQ(model.m_files.size(), c.filesLeft);
    }
}

TEST(WizardFlow, CustomThenBackThenTypicalAppliesOnlyTheTypicalFilter)
{
    InstallModel model = ModelOfComponents();
    PageChoices choices;
    choices.kind = SetupKind::Custom;
    EXPECT_EQ(AfterPage(WizardPage::SetupType, PageResult::Next, choices, model),
              static_cast<unsigned>(ID_WIZARD_COMPONENTS));
    choices.checked[0] = false;
    EXPECT_EQ(AfterPage(WizardPage::Components, PageResult::Back, choices, model),
              static_cast<unsigned>(ID_WIZARD_SETUPTYPE));
    choices.kind = SetupKind::Typical;
    EXPECT_EQ(AfterPage(WizardPage::SetupType, PageResult::Next, choices, model),
              static_cast<unsigned>(ID_WIZARD_INSTALL));
    EXPECT_EQ(model.m_files, (std::vector<std::string>{"x,F1,,,1,,1,0", "x,F3,,,1,,3,0"}));
}

TEST(WizardFlow, ComponentsNextRemovesClearedBoxes)
{
    InstallModel model = ModelOfComponents();
    PageChoices choices;
    choices.checked[2] = false;
    EXPECT_EQ(AfterPage(WizardPage::Components, PageResult::Next, choices, model),
              static_cast<unsigned>(ID_WIZARD_INSTALL));
    EXPECT_EQ(model.m_files.size(), 2u);
}

TEST(WizardFlow, BoxesBeyondTheOptionsAreHidden)
{
    InstallModel model;
    model.m_options = {"Program", "Help", "Samples", "Sources"};
    for (int k = 1; k <= 4; ++k)
        EXPECT_TRUE(ComponentBoxShown(model, k)) << k;
    for (int k = 5; k <= 9; ++k)
        EXPECT_FALSE(ComponentBoxShown(model, k)) << k;
    EXPECT_EQ(ComponentCaption(model, 3), "Samples");
    EXPECT_EQ(ComponentCaption(model, 6), "");
    model.m_options.resize(12, "More");
    EXPECT_FALSE(ComponentBoxShown(model, 10));
}

} // namespace
