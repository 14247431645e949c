#include "gui/GUI_CheckButton.h"

#include "engine/FontManager.h"
#include "gamedata/Localisation.h"

namespace {
constexpr size_t kMaxCaption = 63;
constexpr float kBoxSize = 32.0f;
}  // namespace

GUI_CheckButton::GUI_CheckButton(std::string name, const std::string& captionKey)
    : GUI_ButtonBase(std::move(name)), mCaption(translate(captionKey).substr(0, kMaxCaption))
{
    mBox.SetSize(kBoxSize, kBoxSize);
    mTick.SetSize(kBoxSize, kBoxSize);
}

bool GUI_CheckButton::OnClick(float x, float y)
{
    if (!Enabled || !Contains(x, y))
        return false;
    if (!PassesFilter())
        return true;
    Ticked = !Ticked;
    Press();
    return true;
}

void GUI_CheckButton::Draw()
{
    const float x = mRect.left + 16.0f;
    const float y = mRect.top + 16.0f;
    mBox.SetPosition(x, y);
    mBox.Draw();
    if (Ticked) {
        mTick.SetPosition(x, y);
        mTick.Draw();
    }
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("arial16.dds")) {
        fonts.SelectFont("arial16.dds", 16.0f);
        fonts.DrawText(mCaption, mRect.left + 48.0f, mRect.top + 7.0f, Hovered ? 0xFFFFE08Au : 0xFFFFFFFFu);
    }
    GUI_ButtonBase::Draw();
}
