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
    mMode = mode;
    mCallback = std::move(callback);
    mArgument = argument;
    mAlpha = mode == kToBlack ? 0 : 255;
    mTimer.Start();
    if (mode == kToBlack)
        GetInput().ClicksBlocked = true;
}

void ScreenFader::UpdateAndDraw()
{
    if (mMode == kIdle)
        return;
    mTimer.Update();
    float progress = static_cast<float>(std::min(mTimer.Elapsed() / kDurationMs, 1.0));
    float opacity = mMode == kToBlack ? progress : 1.0f - progress;
    mAlpha = static_cast<int>(opacity * 255.0f);
    D3DEngine& engine = GetD3DEngine();
    if (engine.IsInitialised()) {
        GRect screen{0, 0, static_cast<int>(g_ScreenWidth), static_cast<int>(g_ScreenHeight)};
        engine.FillRect(screen, static_cast<uint32_t>(mAlpha) << 24);
    }
    if (progress >= 1.0f) {
        GetInput().ClicksBlocked = false;
        mMode = kIdle;
        // The callback may start another fade; take it out first.
        Callback callback = std::move(mCallback);
        mCallback = nullptr;
        if (callback)
            callback(mArgument);
    }
}
