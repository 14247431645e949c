#include <gtest/gtest.h>

#include "FakeClock.h"
#include "engine/FrameTimer.h"

namespace {

TEST(FrameTimer, StoppedUntilStartedAndARestartForgetsWhatWentBefore)
{
    FakeClock clock;
    FrameTimer timer(clock);
    EXPECT_TRUE(timer.IsStopped());
    clock.Advance(100);
    timer.Update();
    EXPECT_EQ(timer.Elapsed(), 0.0);
    timer.Start();
    clock.Advance(24);
    timer.Update();
    timer.Start();
    EXPECT_EQ(timer.Elapsed(), 0.0);
}

// Frame factors are in units of 12 ms; speed scales both them and the elapsed time.
TEST(FrameTimer, MeasuresInTwelveMillisecondUnitsOnEitherClock)
{
    const struct {
        bool hasCounter;
        uint32_t startMs;  // the coarse clock wraps after 2^32 ms
        float speed;
        uint32_t step;
        float factor;
        double elapsedAfterTwoSteps;
    } cases[] = {
        {true, 1000, 1.0f, 24, 2.0f, 48.0},
        {true, 1000, 1.0f, 6, 0.5f, 12.0},
        {true, 1000, 2.0f, 12, 2.0f, 48.0},
        {false, 0xFFFFFFF0u, 1.0f, 24, 2.0f, 48.0},
    };
    for (const auto& c : cases) {
        FakeClock clock;
        clock.hasCounter = c.hasCounter;
        clock.milliseconds = c.startMs;
        FrameTimer timer(clock);
        timer.SetSpeed(c.speed);
        timer.Start();
        EXPECT_EQ(timer.IsHighResolution(), c.hasCounter);
        for (int i = 0; i < 2; ++i) {
            clock.Advance(c.step);
            timer.Update();
            EXPECT_FLOAT_EQ(timer.FrameFactor(), c.factor) << c.hasCounter << " " << c.step;
        }
        EXPECT_NEAR(timer.Elapsed(), c.elapsedAfterTwoSteps, 1e-4) << c.hasCounter << " " << c.step;
    }
}

}  // namespace
