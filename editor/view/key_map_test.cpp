#include "editor/view/key_map.h"

#include "editor/res/resource.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

void ExpectNoDuplicateKeys(std::span<const KeyBinding> map)
{
    std::set<std::pair<int, int>> seen;
    for (const KeyBinding& b : map)
        EXPECT_TRUE(seen.insert({b.key, b.modifiers}).second)
            << "key " << b.key << " modifiers " << int(b.modifiers) << " bound twice";
}

struct Expected {
    std::uint16_t key;
    std::uint8_t modifiers;
    int command;
};

TEST(KeyMap, NoKeyIsBoundTwice)
{
    ExpectNoDuplicateKeys(EditorKeyMap());
    ExpectNoDuplicateKeys(PreviewKeyMap());
}

TEST(KeyMap, BindsEveryKeyOfTheEditor)
{
    using namespace vk;
    const std::uint8_t N = kNoModifier, S = kShift, C = kControl, A = kAlt;
    const std::uint8_t CS = kControl | kShift;
    const Expected expected[] = {
        {Right, N, 32772},       {Left, N, 32773},        {Up, N, 32774},
        {Down, N, 32775},        {Next, N, 32776},        {Prior, N, 32777},
        {Home, N, 32778},        {End, N, 32779},         {Right, S, 32783},
        {Left, S, 32786},        {Up, S, 32785},          {Down, S, 32784},
        {Next, S, 32787},        {Prior, S, 32788},       {Home, S, 32789},
        {End, S, 32790},         {Left, C, 32791},        {Right, C, 32792},
        {Home, C, 32793},        {End, C, 32794},         {Left, CS, 32800},
        {Right, CS, 32801},      {Home, CS, 32802},       {End, CS, 32803},
        {Up, A, 32845},          {Down, A, 32846},        {Delete, N, 32780},
        {Back, N, 32781},        {Letter('Y'), C, 32782}, {Insert, N, 32799},
        {Letter('C'), C, 57634}, {Insert, C, 57634},      {Letter('X'), C, 57635},
        {Delete, S, 57635},      {Letter('V'), C, 57637}, {Insert, S, 57637},
        {Letter('B'), C, 32833}, {Add, N, 32834},         {Subtract, N, 32835},
        {Left, A, 32828},        {Tab, S, 32828},         {Right, A, 32829},
        {Letter('F'), C, 32859}, {Letter('C'), A, 32874}, {Letter('T'), C, 32875},
        {F5, A, 32836},          {Letter('Z'), C, 57643}, {Back, A, 57643},
        {Letter('A'), C, 57644}, {Back, S, 57644},        {Letter('N'), C, 57600},
        {Letter('O'), C, 57601}, {Letter('S'), C, 57603}, {Letter('P'), C, 57607},
        {Return, A, 32865},      {F3, A, 57636},          {F3, C, 127},
        {Letter('E'), C, 32860}, {Letter('L'), C, 32826}, {Letter('M'), C, 32832},
        {F2, N, 32805},          {F2, S, 32806},          {F2, C, 32804},
        {F11, N, 32848},         {F12, N, 32849},         {Letter('W'), C, 32852},
        {F1, N, 57669},          {F1, S, 57668},          {F6, N, 57680},
        {F6, S, 57681},
    };
    for (const Expected& e : expected)
        EXPECT_EQ(CommandForKey(EditorKeyMap(), e.key, e.modifiers), e.command)
            << "key " << e.key << " modifiers " << int(e.modifiers);
    // Nothing else is bound: every entry of the table was expected above.
    EXPECT_EQ(EditorKeyMap().size(), std::size(expected));
}

TEST(KeyMap, PreviewHasItsOwnTable)
{
    EXPECT_EQ(CommandForKey(PreviewKeyMap(), vk::Next, kNoModifier), 58114);
    EXPECT_EQ(CommandForKey(PreviewKeyMap(), vk::Prior, kNoModifier), 58115);
    EXPECT_EQ(CommandForKey(PreviewKeyMap(), vk::Escape, kNoModifier), 58112);
    // Plain Tab types a tab (or shifts a selection) through the character path.
    EXPECT_EQ(CommandForKey(EditorKeyMap(), vk::Tab, kNoModifier), 0);
}

} // namespace
