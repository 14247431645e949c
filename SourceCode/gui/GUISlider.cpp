#include "gui/GUISlider.h"

#include <algorithm>

#include "engine/BaseSprite.h"
#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/Diagnostics.h"
#include "gui/GUI_SliderConfig.h"
#include "sim/NeuralEffect.h"
#include "sim/SIM_Policy.h"
#include "sim/SliderDefinition.h"

GUISlider::GUISlider(SIM_Policy* policy) : GUI_ButtonBase("PolicySlider"), mPolicy(policy)
{
    mKnob.SetSize(14.0f, 22.0f);
    mShadowKnob.SetSize(14.0f, 22.0f);
    SetTooltip("TOOLTIP_SLIDER");
    mTooltip->Delay = 30;
    if (mPolicy)
        mValue = std::clamp(mPolicy->PlayerSetting(), 0.0f, 1.0f);
}

int GUISlider::Positions() const
{
    return mPolicy && mPolicy->Slider() ? mPolicy->Slider()->Steps() : 0;
}

void GUISlider::Layout(float x, float y, float width)
{
    mTrackX = x;
    mTrackY = y;
    mTrackWidth = width;
    SetRect(x, y + 8.0f, x + width, y + 14.0f);
}

void GUISlider::SetValue(float value)
{
    AssertCheck(value >= 0.0f && value <= 1.0f, "GUISlider", __LINE__);
    mValue = std::clamp(value, 0.0f, 1.0f);
}

void GUISlider::Apply(float value)
{
    if (value == mValue)
        return;
    SetValue(value);
    if (mPolicy)
        mPolicy->SetPlayerSetting(value);
}

void GUISlider::Nudge(int direction) { Apply(GUI_SliderConfig::Nudge(Positions(), mValue, direction)); }

bool GUISlider::OnClick(float x, float y)
{
    // A press on the track or a knob starts a drag.
    if (x < mTrackX - 7 || x > mTrackX + mTrackWidth + 7 || y < mTrackY || y > mTrackY + 22)
        return false;
    mDragging = true;
    return true;
}

void GUISlider::UpdateDrag()
{
    const CInput& input = GetInput();
    if (!mDragging)
        return;
    if (!input.LeftHeld) {
        mDragging = false;
        return;
    }
    const float v = mTrackWidth > 0 ? std::clamp((input.MouseX - mTrackX) / mTrackWidth, 0.0f, 1.0f) : 0.0f;
    Apply(GUI_SliderConfig::Snap(Positions(), v));
}

void GUISlider::Draw()
{
    UpdateDrag();
    // Both knobs read the effect that carries the player's setting into the
    // policy: the solid one its target (the setting), the pale one the input
    // it has reached so far on its way there.
    const NeuralEffect* effect = mPolicy ? mPolicy->PlayerEffect() : nullptr;
    if (!mDragging && mPolicy)
        mValue = std::clamp(effect ? effect->GetTargetInput() : mPolicy->PlayerSetting(), 0.0f, 1.0f);
    const float reached = effect ? std::clamp(effect->GetInput(), 0.0f, 1.0f) : mValue;
    D3DEngine& engine = GetD3DEngine();
    const int n = Positions();
    const float spacing = GUI_SliderConfig::NotchSpacing(n, mTrackWidth);
    for (int i = 0; i < n; ++i) {
        const int x = static_cast<int>(mTrackX + 2 + i * spacing);
        const GRect notch{x - 2, static_cast<int>(mTrackY + 4), x + 2, static_cast<int>(mTrackY + 18)};
        engine.FillRect(notch, 0xC0E0E0E0u);
        engine.DrawRect(notch, 0xC0000000u);
    }
    BaseSprite track;
    track.SetSize(static_cast<float>(mWidth), static_cast<float>(mHeight));
    track.SetPosition(mRect.left + mWidth / 2.0f, mRect.top + mHeight / 2.0f);
    track.Vertex(0).diffuse = track.Vertex(1).diffuse = 0xFFB3C3D4u;
    track.Vertex(2).diffuse = track.Vertex(3).diffuse = 0xFF0C0C0Cu;
    engine.SetTexture(static_cast<TextureRecord*>(nullptr));
    track.Draw();
    engine.DrawRect(mRect, 0xFFE0E0E0u);
    mShadowKnob.SetPosition(KnobX(reached), mTrackY + 11);
    mShadowKnob.SetColour(0x80FFFFFFu);
    mShadowKnob.Draw();
    mKnob.SetPosition(KnobX(mValue), mTrackY + 11);
    mKnob.Draw();
    const CInput& input = GetInput();
    if (mTooltip && input.MouseX >= KnobX(mValue) - 7 && input.MouseX <= KnobX(mValue) + 7 &&
        input.MouseY >= mTrackY && input.MouseY <= mTrackY + 22) {
        mTooltip->Raise();
        mTooltip->MoveTo(input.MouseX + 30, input.MouseY - 30);
        mTooltip->Draw();
    }
}
