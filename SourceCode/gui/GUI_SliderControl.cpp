#include "gui/GUI_SliderControl.h"

#include <algorithm>

#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "gamedata/Options.h"

namespace {
constexpr int kKnob = 12;
constexpr size_t kMaxLabel = 31;
}  // namespace

GUI_SliderControl::GUI_SliderControl(const std::string& optionKey, const std::string& label, Callback callback)
    : GUI_ButtonBase(optionKey), mKey(optionKey), mLabel(label.substr(0, kMaxLabel))
{
    mValue = Options::Get().GetFloat(mKey);
    mCallback = std::move(callback);
    mKnob.SetSize(kKnob, kKnob);
}

GRect GUI_SliderControl::KnobRect() const
{
    const int x = mRect.left + static_cast<int>(mWidth * mValue);
    const int y = (mRect.top + mRect.bottom) / 2;
    return GRect{x - kKnob / 2, y - kKnob / 2, x + kKnob / 2, y + kKnob / 2};
}

void GUI_SliderControl::Drag()
{
    const CInput& input = GetInput();
    if (!mDragging) {
        const GRect knob = KnobRect();
        mDragging = input.LeftHeld && input.MouseX >= knob.left && input.MouseX < knob.right &&
                    input.MouseY >= knob.top && input.MouseY < knob.bottom;
        return;
    }
    if (!input.LeftHeld) {
        mDragging = false;
        return;
    }
    const float x = std::clamp(input.MouseX, static_cast<float>(mRect.left), static_cast<float>(mRect.right));
    const float value = mWidth > 0 ? (x - mRect.left) / mWidth : 0.0f;
    if (value != mValue) {
        mValue = value;
        Options::Get().SetFloat(mKey, mValue);
    }
    if (mCallback)
        mCallback(mArgument);
}

void GUI_SliderControl::Draw()
{
    Drag();
    D3DEngine& engine = GetD3DEngine();
    const int centre = (mRect.top + mRect.bottom) / 2;
    const GRect track{mRect.left, centre - 3, mRect.right, centre + 3};
    engine.FillRect(track, 0xFF808080u);
    engine.DrawRect(track, 0xFF404040u);
    const GRect knob = KnobRect();
    mKnob.SetPosition((knob.left + knob.right) / 2.0f, (knob.top + knob.bottom) / 2.0f);
    mKnob.Draw();
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("arialbold16.dds")) {
        fonts.SelectFont("arialbold16.dds", 16.0f);
        fonts.DrawText(mLabel, static_cast<float>(mRect.left), mRect.top + 20.0f, 0xFFFFFFFFu,
                       static_cast<float>(mWidth), FontManager::kAlignCentre);
        fonts.Flush();
    }
}
