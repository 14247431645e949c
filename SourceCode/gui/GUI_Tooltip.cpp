#include "gui/GUI_Tooltip.h"

#include <algorithm>

#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "gui/WindowManager.h"

namespace {
constexpr const char* kFont = "arial16.dds";
constexpr size_t kMaxText = 1023;
}  // namespace

void GUI_Tooltip::SetText(const std::string& text)
{
    mText = text.substr(0, kMaxText);
    FontManager& fonts = GetFontManager();
    float width = kWrapWidth;
    float height = 20.0f;
    if (fonts.FindFont(kFont)) {
        fonts.SelectFont(kFont, 16.0f);
        width = std::min(static_cast<float>(fonts.TextWidth(mText)) + 6.0f, kWrapWidth);
        height = fonts.MeasureWrapped(mText, kWrapWidth) + 4.0f;
    }
    SetSize(width, height);
}

void GUI_Tooltip::Raise()
{
    if (GetInput().StillFrames > Delay)
        mLevel = 1.0f;
}

void GUI_Tooltip::Draw()
{
    if (FollowMouse) {
        const CInput& input = GetInput();
        float x = std::min(input.MouseX + 30.0f, g_ScreenWidth - static_cast<float>(mWidth));
        float y = std::min(input.MouseY - 10.0f, g_ScreenHeight - static_cast<float>(mHeight));
        MoveTo(std::max(x, 0.0f), std::max(y, 0.0f));
    }
    GetWindowManager().QueueTopLayer(this);
}

void GUI_Tooltip::DrawNow()
{
    const float opacity = std::min(mLevel, 1.0f);
    if (opacity > 0.01f) {
        const uint32_t alpha = static_cast<uint32_t>(opacity * 192.0f) << 24;
        D3DEngine& engine = GetD3DEngine();
        engine.FillRect(GRect{mRect.left + 1, mRect.top + 1, mRect.right, mRect.bottom}, alpha | 0x202080u);
        engine.DrawRoundedRect(mRect, alpha | 0xFFFFFFu);
        FontManager& fonts = GetFontManager();
        if (fonts.FindFont(kFont)) {
            fonts.SelectFont(kFont, 16.0f);
            fonts.DrawWrapped(mText, static_cast<float>(mRect.left + 4), static_cast<float>(mRect.top - 2),
                              kWrapWidth, 0xFFFFFFFFu);
        }
    }
    mLevel = std::max(mLevel - 0.5f, 0.0f);
}
