#include "engine/FrameTimer.h"

FrameTimer::FrameTimer(const Clock& clock) : mClock(&clock) {}

void FrameTimer::Start()
{
    mElapsed = 0.0;
    mStopped = false;
    mLastTime = mClock->MillisecondsAsDouble();
    mHighResolution = mClock->CounterFrequency(mCounterFrequency) && mCounterFrequency > 0;
    if (mHighResolution)
        mHighResolution = mClock->Counter(mLastCounter);
}

void FrameTimer::Update()
{
    if (mStopped)
        return;
    double ms;
    if (mHighResolution) {
        uint64_t counter = 0;
        mClock->Counter(counter);
        // The quotient is kept in single precision, as the frame maths always was.
        float seconds = static_cast<float>(static_cast<double>(counter - mLastCounter) /
                                           static_cast<double>(mCounterFrequency));
        ms = static_cast<double>(seconds) * 1000.0;
        mLastCounter = counter;
    } else {
        double now = mClock->MillisecondsAsDouble();
        ms = now - mLastTime;
        // The tick count wrapped since the last update.
        if (ms < 0.0)
            ms += 4294967296.0;
        mLastTime = now;
    }
    mFrameFactor = static_cast<float>(ms / 12.0 * mSpeed);
    mElapsed += ms * mSpeed;
}
