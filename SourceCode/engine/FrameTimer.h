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

    double Elapsed() const { return elapsed_; }          // ms since Start, times speed
    float FrameFactor() const { return frameFactor_; }   // last step in 12 ms units, times speed
    float Speed() const { return speed_; }
    void SetSpeed(float speed) { speed_ = speed; }
    bool IsStopped() const { return stopped_; }
    bool IsHighResolution() const { return highResolution_; }

private:
    const Clock* clock_;
    float speed_ = 1.0f;
    bool stopped_ = true;
    double lastTime_ = 0.0;
    double elapsed_ = 0.0;
    float frameFactor_ = 0.0f;
    bool highResolution_ = false;
    int64_t counterFrequency_ = 0;
    uint64_t lastCounter_ = 0;
};
