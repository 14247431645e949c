#pragma once
#include <functional>

#include "engine/FrameTimer.h"

// The full-screen fade of screen changes: to black (mode 1) or from black
// (mode 2) over 150 ms. While fading to black, clicks are ignored; when the
// fade completes its callback runs (a screen fades out, then switches).
class ScreenFader {
public:
    enum Mode { kIdle = 0, kToBlack = 1, kFromBlack = 2 };
    using Callback = std::function<void(int argument)>;

    static constexpr double kDurationMs = 150.0;

    explicit ScreenFader(const Clock& clock = Clock::System()) : mTimer(clock) {}

    void Start(int mode, Callback callback = nullptr, int argument = 0);
    void FadeOutThen(Callback callback, int argument) { Start(kToBlack, std::move(callback), argument); }

    // Each frame: advance, draw the black veil, and finish when the time is up.
    void UpdateAndDraw();

    int GetMode() const { return mMode; }
    // The veil's alpha for the current progress, 0..255.
    int Alpha() const { return mAlpha; }

private:
    FrameTimer mTimer;
    int mMode = kIdle;
    Callback mCallback;
    int mArgument = 0;
    int mAlpha = 0;
};

// The process-wide fader.
ScreenFader& GetScreenFader();
