#include "gui/GUI_Dialog.h"

#include "engine/FontManager.h"
#include "gui/GUI_CloseButton.h"
#include "gui/PanelFrame.h"
#include "gui/WindowManager.h"

GUI_Dialog::GUI_Dialog(std::string name, bool withCloseButton) : GUI_WindowBase(std::move(name))
{
    if (withCloseButton) {
        mClose = new GUI_CloseButton(Name + "Close");
        AddButton(mClose);
    }
    GetWindowManager().Register(this);
}

void GUI_Dialog::UpdateContentRect()
{
    mContent = GRect{static_cast<int>(mRect.left + mSideMargin), static_cast<int>(mRect.top + mTopMargin),
                     static_cast<int>(mRect.right - mSideMargin), static_cast<int>(mRect.bottom - mBottomMargin)};
}

void GUI_Dialog::SetRect(float left, float top, float right, float bottom)
{
    GUI_WindowBase::SetRect(left, top, right, bottom);
    if (mClose)
        mClose->SetRect(mRect.right - 44.0f, mRect.top + 20.0f, mRect.right - 20.0f, mRect.top + 44.0f);
    UpdateContentRect();
}

void GUI_Dialog::Draw()
{
    if (!Visible)
        return;
    PanelFrame::DrawFrame("dialog_opaque.dds", mRect.left, mRect.top, mRect.right, mRect.bottom, 32, 1.0f);
    DrawButtons();
    FontManager& fonts = GetFontManager();
    if (!Title.empty() && fonts.FindFont("arialbold20.dds")) {
        fonts.SelectFont("arialbold20.dds", 20.0f);
        fonts.DrawText(Title, static_cast<float>(mRect.left), mRect.top + 16.0f, 0xFFFFFFFFu,
                       static_cast<float>(mWidth), FontManager::kAlignCentre);
    }
    fonts.Flush();
}
