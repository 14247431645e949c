#pragma once
#include "engine/CTexturedSprite.h"
#include "gui/GUI_ButtonBase.h"

class SIM_Policy;

// A policy's slider: a track with one notch per setting, a solid knob on the
// player's setting and a pale knob on the level the policy has reached. The
// knob snaps to the notches when dragged; each arrow-key press moves it one notch.
class GUISlider : public GUI_ButtonBase {
public:
    explicit GUISlider(SIM_Policy* policy);

    void Layout(float x, float y, float width);
    void SetValue(float value);
    float Value() const { return mValue; }
    // One notch left (< 0) or right (> 0); the policy's setting follows.
    void Nudge(int direction);
    int Positions() const;

    void Draw() override;
    bool OnClick(float x, float y) override;

private:
    void Apply(float value);
    void UpdateDrag();
    float KnobX(float value) const { return mTrackX + value * mTrackWidth; }

    SIM_Policy* mPolicy;
    float mValue = 0.0f;
    float mTrackX = 0.0f;
    float mTrackY = 0.0f;
    float mTrackWidth = 200.0f;
    bool mDragging = false;
    CTexturedSprite mKnob{"slider_button.dds"};
    CTexturedSprite mShadowKnob{"slider_button.dds"};
};
