#pragma once
#include <string>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_ButtonBase.h"

// A button drawn as a picture, with a second picture while hovered.
class GUI_IconButton : public GUI_ButtonBase {
public:
    GUI_IconButton(std::string name, const std::string& texture, const std::string& hoveredTexture = "");
    void Draw() override;
    void SetRect(float left, float top, float right, float bottom) override;
    // Turns both pictures (one arrow picture serves four directions).
    void SetRotation(float degrees);

private:
    CTexturedSprite mNormal;
    CTexturedSprite mHovered;
};
