#pragma once
#include <functional>
#include <string>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_ButtonBase.h"

// An option slider: a track and a knob for a value 0..1 kept in the option
// store under its key. It follows the held mouse while it draws.
class GUI_SliderControl : public GUI_ButtonBase {
public:
    GUI_SliderControl(const std::string& optionKey, const std::string& label, Callback callback = nullptr);
    void Draw() override;
    bool OnClick(float, float) override { return false; }

    float Value() const { return mValue; }
    void SetValue(float value) { mValue = value; }
    bool Dragging() const { return mDragging; }
    // The knob's rectangle for the current value.
    GRect KnobRect() const;
    // The drag step of one frame.
    void Drag();

private:
    std::string mKey;
    std::string mLabel;
    float mValue = 0.0f;
    bool mDragging = false;
    CTexturedSprite mKnob{"slider_button.dds"};
};
