#include "gui/GUI_IconButton.h"

GUI_IconButton::GUI_IconButton(std::string name, const std::string& texture, const std::string& hoveredTexture)
    : GUI_ButtonBase(std::move(name)), mNormal(texture), mHovered(hoveredTexture.empty() ? texture : hoveredTexture)
{
}

void GUI_IconButton::SetRect(float left, float top, float right, float bottom)
{
    GUI_ButtonBase::SetRect(left, top, right, bottom);
    for (CTexturedSprite* sprite : {&mNormal, &mHovered}) {
        sprite->SetSize(static_cast<float>(mWidth), static_cast<float>(mHeight));
        sprite->SetPosition(mRect.left + mWidth / 2.0f, mRect.top + mHeight / 2.0f);
    }
}

void GUI_IconButton::Draw()
{
    CTexturedSprite& sprite = Hovered ? mHovered : mNormal;
    sprite.SetColour(Enabled ? 255 : 32, 255, 255, 255);
    sprite.Draw();
    GUI_ButtonBase::Draw();
}

void GUI_IconButton::SetRotation(float degrees)
{
    mNormal.SetRotation(degrees);
    mHovered.SetRotation(degrees);
}
