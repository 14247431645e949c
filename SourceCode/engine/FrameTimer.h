#pragma once
#include <cstdint>

#include "platform/Clock.h"

// Measures time between frames. Animations and fades use its elapsed
// milliseconds or its frame factor (time in units of 12 ms), never frame
// counts, so they run at the same speed at any frame rate.
class FrameTimer {
public:
    explicit FrameTimer(const Clock& clock = Clock::System());

    void Start();
    void Update();

    double Elapsed() const { return mElapsed; }          // ms since Start, times speed
    float FrameFactor() const { return mFrameFactor; }   // last step in 12 ms units, times speed
    float Speed() const { return mSpeed; }
    void SetSpeed(float speed) { mSpeed = speed; }
    bool IsStopped() const { return mStopped; }
    bool IsHighResolution() const { return mHighResolution; }

private:
    const Clock* mClock;
    float mSpeed = 1.0f;
    bool mStopped = true;
    double mLastTime = 0.0;
    double mElapsed = 0.0;
    float mFrameFactor = 0.0f;
    bool mHighResolution = false;
    int64_t mCounterFrequency = 0;
    uint64_t mLastCounter = 0;
};
