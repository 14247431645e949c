#include "gui/GUI_ButtonTab.h"

#include <algorithm>

#include "engine/FontManager.h"
#include "gui/GUI_TabContainer.h"
#include "gui/PanelFrame.h"
#include "sound/GUI_Sounds.h"

GUI_ButtonTab::GUI_ButtonTab(std::string name, const std::string& captionKey, GUI_TabContainer& container, int page)
    : GUI_ButtonText(std::move(name), captionKey), mContainer(container), mPage(page)
{
}

bool GUI_ButtonTab::IsActive() const { return mContainer.ActivePage() == mPage; }

void GUI_ButtonTab::Draw()
{
    const bool lit = IsActive() || Hovered;
    // A panel needs room for two corners or draws nothing.
    PanelFrame::DrawFrame(lit ? "dialog_rounded.dds" : "dialog_dark.dds", mRect.left, mRect.top, mRect.right,
                          mRect.bottom, std::min(32, std::min(mWidth, mHeight) / 2), 1.0f);
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("arialbold20.dds")) {
        fonts.SelectFont("arialbold20.dds", 20.0f);
        fonts.DrawText(Caption(), static_cast<float>(mRect.left), mRect.top + 10.0f,
                       Enabled ? 0xFFFFFFFFu : 0x40FFFFFFu, static_cast<float>(mWidth), FontManager::kAlignCentre);
    }
    GUI_ButtonBase::Draw();
}

void GUI_ButtonTab::Press()
{
    if (!Enabled)
        return;
    GetSounds().PlayClick();
    mContainer.Activate(mPage);
    RunCallback();
}
