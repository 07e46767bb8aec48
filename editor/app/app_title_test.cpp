#include "editor/app/app_title.h"

#include <gtest/gtest.h>

TEST(FrameTitle, NamesTheActiveDocument)
{
    EXPECT_EQ(MakeFrameTitle(""), "Trelvan EDIT for Windows");
    EXPECT_EQ(MakeFrameTitle("MAIN.C"), "Trelvan EDIT for Windows - MAIN.C");
}
