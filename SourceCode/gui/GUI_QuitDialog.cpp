#include "gui/GUI_QuitDialog.h"

#include "engine/FontManager.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "gamedata/Localisation.h"
#include "gui/GUI_ButtonText.h"
#include "gui/WindowManager.h"

void GUI_QuitDialog::Open()
{
    WindowManager& windows = GetWindowManager();
    if (const GUI_WindowBase* old = windows.FindWindow(kName))
        windows.Close(const_cast<GUI_WindowBase*>(old));
    new GUI_QuitDialog();
}

GUI_QuitDialog::GUI_QuitDialog() : GUI_Dialog(kName, false)
{
    Title = translate("GUI_QUITDIALOG_TITLE");
    SetRect(0.0f, 0.0f, 420.0f, 170.0f);
    CentreOnScreen();
    const float left = static_cast<float>(mRect.left), bottom = static_cast<float>(mRect.bottom);
    auto* ok = new GUI_ButtonText("QuitDialogOK", "GUI_QUITDIALOG_OK");
    ok->SetRect(left + 40.0f, bottom - 44.0f, left + 190.0f, bottom - 20.0f);
    ok->SetCallback([this](int) {
        GetWindowManager().Close(this);
        GetGame().SetState(STATE_MENU);
    });
    AddButton(ok);
    auto* cancel = new GUI_ButtonText("QuitDialogCancel", "CANCEL");
    cancel->SetRect(left + 230.0f, bottom - 44.0f, left + 380.0f, bottom - 20.0f);
    cancel->SetCallback([this](int) { GetWindowManager().Close(this); });
    AddButton(cancel);
    GetWindowManager().SetModal(this, true);
}

void GUI_QuitDialog::Draw()
{
    if (!Visible)
        return;
    GUI_Dialog::Draw();
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("arial16.dds")) {
        fonts.SelectFont("arial16.dds", 16.0f);
        fonts.DrawText(translate("GUI_QUITDIALOG_TEXT"), static_cast<float>(mRect.left), mRect.top + 64.0f,
                       0xFFFFFFFFu, static_cast<float>(mWidth), FontManager::kAlignCentre);
        fonts.Flush();
    }
}
