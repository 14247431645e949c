#include "gui/GUI_Button_Minitab.h"

#include <algorithm>

#include "engine/FontManager.h"
#include "gui/GUI_WindowBase.h"
#include "gui/PanelFrame.h"
#include "sound/GUI_Sounds.h"

GUI_Button_Minitab::GUI_Button_Minitab(std::string name, const std::string& captionKey, int group)
    : GUI_ButtonText(std::move(name), captionKey), Group(group)
{
}

void GUI_Button_Minitab::Draw()
{
    PanelFrame::DrawFrame(Selected || Hovered ? "dialog_rounded.dds" : "dialog_rounded_dark.dds", mRect.left,
                          mRect.top, mRect.right, mRect.bottom, std::min(16, std::min(mWidth, mHeight) / 2),
                          Enabled ? 1.0f : 0.5f);
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("arial16.dds")) {
        fonts.SelectFont("arial16.dds", 16.0f);
        fonts.DrawText(Caption(), static_cast<float>(mRect.left), mRect.top + 1.0f,
                       Enabled ? 0xFFFFFFFFu : 0x40FFFFFFu, static_cast<float>(mWidth), FontManager::kAlignCentre);
    }
    GUI_ButtonBase::Draw();
}

void GUI_Button_Minitab::Press()
{
    if (!Enabled)
        return;
    if (ParentWindow)
        for (GUI_ButtonBase* button : ParentWindow->AllButtons())
            if (auto* other = dynamic_cast<GUI_Button_Minitab*>(button); other && other->Group == Group)
                other->Selected = false;
    Selected = true;
    GetSounds().PlayClick();
    RunCallback();
}
