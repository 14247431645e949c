#include <gtest/gtest.h>

#include "FakeClock.h"
#include "engine/FrameTimer.h"

namespace {

TEST(FrameTimer, StoppedUntilStartedThenMeasuresInTwelveMillisecondUnits)
{
    FakeClock clock;
    FrameTimer timer(clock);
    EXPECT_TRUE(timer.IsStopped());
    clock.Advance(100);
    timer.Update();
    EXPECT_EQ(timer.Elapsed(), 0.0);

    timer.Start();
    EXPECT_TRUE(timer.IsHighResolution());
    clock.Advance(24);
    timer.Update();
    EXPECT_FLOAT_EQ(timer.FrameFactor(), 2.0f);
    EXPECT_NEAR(timer.Elapsed(), 24.0, 1e-4);
    clock.Advance(6);
    timer.Update();
    EXPECT_FLOAT_EQ(timer.FrameFactor(), 0.5f);
    EXPECT_NEAR(timer.Elapsed(), 30.0, 1e-4);

    // A restart forgets what went before.
    timer.Start();
    EXPECT_EQ(timer.Elapsed(), 0.0);
}

TEST(FrameTimer, SpeedScalesElapsedTimeAndFrameFactor)
{
    FakeClock clock;
    FrameTimer timer(clock);
    timer.SetSpeed(2.0f);
    timer.Start();
    clock.Advance(12);
    timer.Update();
    EXPECT_FLOAT_EQ(timer.FrameFactor(), 2.0f);
    EXPECT_NEAR(timer.Elapsed(), 24.0, 1e-4);
}

TEST(FrameTimer, CoarseClockWithoutCounterSurvivesTheTickCountWrapping)
{
    FakeClock clock;
    clock.hasCounter = false;
    clock.milliseconds = 0xFFFFFFF0u;
    FrameTimer timer(clock);
    timer.Start();
    EXPECT_FALSE(timer.IsHighResolution());
    clock.milliseconds = 0x00000020u;  // 48 ms later, past the wrap
    timer.Update();
    EXPECT_DOUBLE_EQ(timer.Elapsed(), 48.0);
    EXPECT_FLOAT_EQ(timer.FrameFactor(), 4.0f);
}

}  // namespace
