#include "engine/ScreenFader.h"

#include <algorithm>
#include <cstdint>

#include "engine/CInput.h"
#include "engine/D3DEngine.h"

ScreenFader& GetScreenFader()
{
    static ScreenFader fader;
    return fader;
}

void ScreenFader::Start(int mode, Callback callback, int argument)
{
    mode_ = mode;
    callback_ = std::move(callback);
    argument_ = argument;
    alpha_ = mode == kToBlack ? 0 : 255;
    timer_.Start();
    if (mode == kToBlack)
        GetInput().ClicksBlocked = true;
}

void ScreenFader::UpdateAndDraw()
{
    if (mode_ == kIdle)
        return;
    timer_.Update();
    float progress = static_cast<float>(std::min(timer_.Elapsed() / kDurationMs, 1.0));
    float opacity = mode_ == kToBlack ? progress : 1.0f - progress;
    alpha_ = static_cast<int>(opacity * 255.0f);
    D3DEngine& engine = GetD3DEngine();
    if (engine.IsInitialised()) {
        GRect screen{0, 0, static_cast<int>(g_ScreenWidth), static_cast<int>(g_ScreenHeight)};
        engine.FillRect(screen, static_cast<uint32_t>(alpha_) << 24);
    }
    if (progress >= 1.0f) {
        GetInput().ClicksBlocked = false;
        mode_ = kIdle;
        // The callback may start another fade; take it out first.
        Callback callback = std::move(callback_);
        callback_ = nullptr;
        if (callback)
            callback(argument_);
    }
}
