#pragma once
#include <string>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_ButtonBase.h"

// A tick box with a localised caption; a click toggles the tick, then presses.
class GUI_CheckButton : public GUI_ButtonBase {
public:
    GUI_CheckButton(std::string name, const std::string& captionKey);
    bool OnClick(float x, float y) override;
    void Draw() override;

    bool Ticked = false;

private:
    std::string mCaption;
    CTexturedSprite mBox{"gui_checkbox.dds"};
    CTexturedSprite mTick{"gui_checkbox_checked.dds"};
};
