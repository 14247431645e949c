#include "engine/ShellHooks.h"

#include "engine/BaseGUIScreen.h"
#include "engine/FontManager.h"
#include "engine/GameState.h"
#include "engine/SmartTexture.h"
#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_ChooseGameScreen.h"
#include "gui/GUI_LoadGameScreen.h"
#include "gui/GUI_MainScreen.h"
#include "gui/GUI_NewGameScreen.h"
#include "gui/GUI_ProcessingScreen.h"
#include "gui/GUI_SaveGameScreen.h"
#include "gui/MenuGUIScreen.h"
#include "gui/OptionsGUIScreen.h"
#include "gui/UpdateCheckGUIScreen.h"
#include "gui/MousePointer.h"
#include "gui/WindowManager.h"
#include "gui/WindowTreeDump.h"
#include "engine/Game.h"
#include "sim/TurnProcessor.h"

namespace ShellHooks {

BaseGUIScreen* CreateScreen(int state)
{
    switch (state) {
    case STATE_LOADGAME:
        return &GetLoadGameScreen();
    case STATE_SAVEGAME:
        return &GetSaveGameScreen();
    case STATE_INTERNET:
        return &GetUpdateCheckGUIScreen();
    case STATE_OPTIONS:
        return &GetOptionsGUIScreen();
    case STATE_CHOOSEGAME:
        return &GetChooseGameScreen();
    case STATE_NEWGAME:
        return &GetNewGameScreen();
    case STATE_MAIN:
        return &GetMainScreen();
    case STATE_PROCESSING:
        return &GetProcessingScreen();
    default:
        return &GetMenuGUIScreen();
    }
}

void LoadFonts() { GetFontManager().LoadGameFonts(); }

void ResolveSmartTextures() { SmartTexture::ResolveAll(); }

void UpdateWindowManager() { GetWindowManager().Update(); }

void DrawTopLayer()
{
    GetFontManager().Flush();
    GetWindowManager().DrawTopLayer();
}

void ResetTextQueue() { GetFontManager().ResetFrame(); }

void DrawMousePointer() { GetMousePointer().Draw(); }

namespace {
bool SelectFont(const std::string& font)
{
    FontManager& fonts = GetFontManager();
    if (!fonts.IsInitialised())
        return false;
    // Placeholder text is drawn at each font's own size.
    const LibFont* found = fonts.FindFont(font);
    if (!found)
        return false;
    fonts.SelectFont(font, static_cast<float>(found->nominalSize));
    return true;
}
}  // namespace

void DrawText(const std::string& font, const std::string& text, float x, float y, uint32_t colour)
{
    if (SelectFont(font))
        GetFontManager().DrawText(text, x, y, colour);
}

float TextWidth(const std::string& font, const std::string& text)
{
    if (!SelectFont(font))
        return 0.0f;
    return static_cast<float>(GetFontManager().TextWidth(text));
}

bool FindButton(const std::string& name, int& x, int& y)
{
    const GUI_ButtonBase* button = GetWindowManager().FindButton(name);
    const WindowManager& windows = GetWindowManager();
    // The screen's own buttons take clicks only while no modal or full-screen window covers them.
    if (!button && !windows.AnyModalOpen() && !windows.AnyFullScreenOpen())
        if (const auto* list = dynamic_cast<const GUIButtonList*>(GetGame().CurrentScreen))
            button = list->FindButton(name);
    if (!button || !button->Enabled)
        return false;
    x = (button->Rect().left + button->Rect().right) / 2;
    y = (button->Rect().top + button->Rect().bottom) / 2;
    return true;
}

bool IsWindowOpen(const std::string& name) { return GetWindowManager().FindWindow(name) != nullptr; }

std::string DumpWindows(int state)
{
    return WindowTreeDump::Text(state, dynamic_cast<const GUIButtonList*>(GetGame().CurrentScreen));
}

void OnWheel(int steps) { GetWindowManager().OnWheel(steps); }

void DeleteGameLists()
{
    // The icons and windows show model objects: they go first.
    GetMainScreen().ClearIcons();
    GetWindowManager().CloseAll();
    // Pressure groups and their attacks, voters, parties and the network.
    TurnProcessor::Get().ReleaseGame();
}

void ClosePolicyDetails() {}

}  // namespace ShellHooks
