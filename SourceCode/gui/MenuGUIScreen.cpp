#include "gui/MenuGUIScreen.h"

#include <memory>

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "gamedata/Localisation.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_MessageDialog.h"
#include "gui/ScreenBackdrop.h"
#include "gui/ScreenLayout.h"
#include "gui/WindowManager.h"
#include "platform/ScanCodes.h"

namespace {
constexpr int kEntryWidth = 300;
constexpr int kEntryHeight = 40;
constexpr int kEntryStep = 52;
constexpr int kEntries = 8;
constexpr int kPanelPadding = 36;

void GoTo(int state) { GetGame().SetState(state); }

}  // namespace

MenuGUIScreen& GetMenuGUIScreen()
{
    static MenuGUIScreen screen;
    return screen;
}

void MenuGUIScreen::AddEntry(const char* name, const char* captionKey, int top, GUI_ButtonBase::Callback action,
                             bool fadeFirst)
{
    const int left = static_cast<int>(g_ScreenWidth) / 2 - kEntryWidth / 2;
    ScreenLayout::AddButton(*this, name, captionKey, "", GRect{left, top, left + kEntryWidth, top + kEntryHeight},
                            std::move(action), fadeFirst);
}

void MenuGUIScreen::Activate()
{
    mModalWindowsOnly = true;
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    const int listHeight = (kEntries - 1) * kEntryStep + kEntryHeight;
    const int top = (h - listHeight) / 2 + 30;
    mPanel = GRect{w / 2 - kEntryWidth / 2 - kPanelPadding, top - kPanelPadding,
                   w / 2 + kEntryWidth / 2 + kPanelPadding, top + listHeight + kPanelPadding};
    DeleteButtons();
    const bool inGame = GetGame().InGame;
    int y = top;
    AddEntry("NewGame", "MENU_NEWGAME", y, [](int) { GoTo(STATE_CHOOSEGAME); }, true);
    AddEntry("Resume", "MENU_RESUME", y += kEntryStep, [](int) { GetGame().EnterMainScreen(); }, false);
    AddEntry("Load", "MENU_LOAD", y += kEntryStep, [](int) { GoTo(STATE_LOADGAME); }, false);
    AddEntry("Save", "MENU_SAVE", y += kEntryStep, [](int) { GoTo(STATE_SAVEGAME); }, false);
    AddEntry("Options", "MENU_OPTIONS", y += kEntryStep, [](int) { GoTo(STATE_OPTIONS); }, false);
    AddEntry("PlayGuide", "MENU_PLAYGUIDE", y += kEntryStep, [](int) {
        new GUI_MessageDialog("PlayGuideDialog", translate("MENU_PLAYGUIDE"), translate("MENU_PLAYGUIDE_LATER"));
    }, false);
    AddEntry("Updates", "MENU_UPDATES", y += kEntryStep, [](int) { GoTo(STATE_INTERNET); }, false);
    AddEntry("Quit", "MENU_QUIT", y += kEntryStep, [](int) { GetGame().Quit(); }, false);
    FindButton("Resume")->Enabled = inGame;
    FindButton("Save")->Enabled = inGame;
}

void MenuGUIScreen::Render()
{
    const int w = static_cast<int>(g_ScreenWidth);
    ScreenBackdrop::Draw();
    ScreenLayout::DrawPanel(mPanel);
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("tahoma30.dds")) {
        fonts.SelectFont("tahoma30.dds", 30.0f);
        fonts.DrawText(translate("APP_TITLE"), 0.0f, mPanel.top - 70.0f, 0xFFFFFFFFu, static_cast<float>(w),
                       FontManager::kAlignCentre);
        fonts.Flush();
    }
    DrawButtonsAndWindows();
}

void MenuGUIScreen::OnKey(int scanCode)
{
    if (scanCode != ScanCode::Escape)
        return;
    if (!GetWindowManager().CloseTopDialogIfOpen())
        GetGame().Quit();
}
