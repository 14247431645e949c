#include "engine/FrameTimer.h"

FrameTimer::FrameTimer(const Clock& clock) : clock_(&clock) {}

void FrameTimer::Start()
{
    elapsed_ = 0.0;
    stopped_ = false;
    lastTime_ = clock_->MillisecondsAsDouble();
    highResolution_ = clock_->CounterFrequency(counterFrequency_) && counterFrequency_ > 0;
    if (highResolution_)
        highResolution_ = clock_->Counter(lastCounter_);
}

void FrameTimer::Update()
{
    if (stopped_)
        return;
    double ms;
    if (highResolution_) {
        uint64_t counter = 0;
        clock_->Counter(counter);
        // The quotient is kept in single precision, as the frame maths always was.
        float seconds = static_cast<float>(static_cast<double>(counter - lastCounter_) /
                                           static_cast<double>(counterFrequency_));
        ms = static_cast<double>(seconds) * 1000.0;
        lastCounter_ = counter;
    } else {
        double now = clock_->MillisecondsAsDouble();
        ms = now - lastTime_;
        // The tick count wrapped since the last update.
        if (ms < 0.0)
            ms += 4294967296.0;
        lastTime_ = now;
    }
    frameFactor_ = static_cast<float>(ms / 12.0 * speed_);
    elapsed_ += ms * speed_;
}
