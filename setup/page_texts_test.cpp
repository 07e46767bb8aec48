#include "setup/page_texts.h"

#include <gtest/gtest.h>

TEST(PageTexts, NameTheProductWhereThePagesSayIt)
{
    EXPECT_EQ(WelcomeText("Trelvan EDIT"),
              "Welcome to the Trelvan EDIT Setup program. This program will install Trelvan EDIT "
              "on your system.");
    // No full stops after these two.
    EXPECT_EQ(DestinationText("X"), "Setup will install X in the following directory");
    EXPECT_EQ(NotInstallingText("X"),
              "You can choose not to install X, click Cancel to exit the Setup program");
    // A script without a title still gives whole sentences around nothing.
    EXPECT_EQ(WelcomeText(""),
              "Welcome to the  Setup program. This program will install  on your system.");
}
