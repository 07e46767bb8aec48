// The handle owners release what they own, exactly once.
#include <gtest/gtest.h>

#include "framework/handles.h"

TEST(HandlesTest, Placeholder)
{
    fw::Pen pen(CreatePen(PS_SOLID, 1, 0));
    EXPECT_TRUE(pen);
}
