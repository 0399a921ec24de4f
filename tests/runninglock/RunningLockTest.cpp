// The running lock as the programs use it: one holder at a time, seen by everyone while held,
// free again once released or once its holder is gone.
#include "runninglock/RunningLock.h"

#include <gtest/gtest.h>

namespace vordalis {
namespace {

TEST(RunningLock, OneHolderAtATimeAndFreeAgainAfterwards) {
    ASSERT_FALSE(RunningLock::IsHeld());
    {
        RunningLock first;
        ASSERT_TRUE(first.TryAcquire());
        EXPECT_TRUE(first.Held());
        EXPECT_TRUE(first.TryAcquire()); // taking it again keeps it
        EXPECT_TRUE(RunningLock::IsHeld());

        RunningLock second; // a second start of either program
        EXPECT_FALSE(second.TryAcquire());
        EXPECT_FALSE(second.Held());

        first.Release();
        EXPECT_FALSE(first.Held());
        EXPECT_FALSE(RunningLock::IsHeld());
        ASSERT_TRUE(second.TryAcquire());
        EXPECT_TRUE(RunningLock::IsHeld());
    } // the holder ends
    EXPECT_FALSE(RunningLock::IsHeld());
    RunningLock third;
    EXPECT_TRUE(third.TryAcquire());
}

} // namespace
} // namespace vordalis
