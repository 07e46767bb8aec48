#include "setup/component_filter.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

// Entries named by their key, with the component in field 6.
InstallModel ModelWithComponents(std::initializer_list<const char*> components)
{
    InstallModel model;
    int key = 1;
    for (const char* component : components)
        model.m_files.push_back("d,F" + std::to_string(key++) + ",,,10,," + component + ",0");
    return model;
}

Strings Names(const InstallModel& model)
{
    Strings names;
    for (const std::string& entry : model.m_files)
        names.push_back(entry.substr(2, entry.find(',', 2) - 2));
    return names;
}

TEST(ComponentFilter, RemoveComponentKeepsTheOthersInOrder)
{
    InstallModel model = ModelWithComponents({"1", "2", "1", " 2x", "3"});
    RemoveComponent(model, 2);
    EXPECT_EQ(Names(model), (Strings{"F1", "F3", "F5"}));
}

TEST(ComponentFilter, ListsRemoveUpToTheirFirstZero)
{
    struct Case {
        const char* list;
        Strings kept;
    } const cases[] = {
        {"2,3", {"F1", "F4", "F5"}},          {"2,0,3", {"F1", "F3", "F4", "F5"}},
        {"", {"F1", "F2", "F3", "F4", "F5"}}, {"x,2", {"F1", "F2", "F3", "F4", "F5"}},
        {"2,,3", {"F1", "F3", "F4", "F5"}},   {" 4 ,2", {"F1", "F3", "F5"}},
        {"-1", {"F1", "F2", "F3", "F4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "list '" << c.list << "'");
        InstallModel model = ModelWithComponents({"1", "2", "3", "4", "-1"});
        RemoveComponentList(model, c.list);
        EXPECT_EQ(Names(model), c.kept);
    }
}

TEST(ComponentFilter, TypicalAndCompactReadTheirOwnLists)
{
    InstallModel typical = ModelWithComponents({"1", "2", "3"});
    typical.m_strTypical = "3";
    typical.m_strMinimal = "2,3";
    InstallModel compact = typical;
    ApplyTypicalFilter(typical);
    ApplyCompactFilter(compact);
    EXPECT_EQ(Names(typical), (Strings{"F1", "F2"}));
    EXPECT_EQ(Names(compact), (Strings{"F1"}));
}

TEST(ComponentFilter, CustomRemovesClearedBoxesOnly)
{
    InstallModel model = ModelWithComponents({"1", "2", "9", "0", "10", "-2", "2"});
    ComponentChoice checked;
    checked.fill(true);
    checked[1] = false; // component 2
    checked[8] = false; // component 9
    ApplyCustomFilter(model, checked);
    EXPECT_EQ(Names(model), (Strings{"F1", "F4", "F5", "F6"}));
}

} // namespace
