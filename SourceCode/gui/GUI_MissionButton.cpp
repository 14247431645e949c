#include "gui/GUI_MissionButton.h"

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "gui/PanelFrame.h"

namespace {
constexpr int kPadding = 12;
}  // namespace

GUI_MissionButton::GUI_MissionButton(std::string name, MissionChoice mission)
    : GUI_ButtonBase(std::move(name)), mMission(std::move(mission))
{
    if (!mMission.thumb.empty())
        mPicture.SetTexture(mMission.thumb);
    mPicture.SetSize(kPictureWidth, kPictureHeight);
}

void GUI_MissionButton::SetRect(float left, float top, float right, float bottom)
{
    GUI_ButtonBase::SetRect(left, top, right, bottom);
    mPicture.SetPosition(mRect.left + kPadding + kPictureWidth / 2.0f, (mRect.top + mRect.bottom) / 2.0f);
}

void GUI_MissionButton::Draw()
{
    const bool hot = Hovered && Enabled;
    PanelFrame::DrawFrame(hot ? "dialog_rounded_dark.dds" : "dialog_rounded.dds", mRect.left, mRect.top, mRect.right,
                          mRect.bottom, 16, 1.0f);
    if (!mMission.thumb.empty())
        mPicture.Draw();
    const GRect frame{mRect.left + kPadding - 1, (mRect.top + mRect.bottom - kPictureHeight) / 2 - 1,
                      mRect.left + kPadding + kPictureWidth + 1, (mRect.top + mRect.bottom + kPictureHeight) / 2 + 1};
    GetD3DEngine().DrawRect(frame, hot ? 0xFFFFE08Au : 0xFF606060u);

    FontManager& fonts = GetFontManager();
    const float textLeft = static_cast<float>(mRect.left + 2 * kPadding + kPictureWidth);
    const float textWidth = static_cast<float>(mRect.right - kPadding) - textLeft;
    if (fonts.FindFont("arialbold20.dds")) {
        fonts.SelectFont("arialbold20.dds", 20.0f);
        fonts.DrawText(mMission.name, textLeft, mRect.top + 10.0f, hot ? 0xFFFFE08Au : 0xFFFFFFFFu);
    }
    if (fonts.FindFont("arial16.dds")) {
        fonts.SelectFont("arial16.dds", 16.0f);
        fonts.DrawWrapped(mMission.description, textLeft, mRect.top + 36.0f, textWidth, 0xFFD8DEE6u);
    }
    fonts.Flush();
    GUI_ButtonBase::Draw();
}
