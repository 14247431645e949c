#include "engine/PlaceholderScreen.h"

#include <array>
#include <memory>

#include "engine/D3DEngine.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ShellHooks.h"
#include "platform/ScanCodes.h"
#include "sound/GUI_Sounds.h"

namespace {
const char* TitleOf(int state)
{
    switch (state) {
    case STATE_MENU: return "Main menu";
    case STATE_OPTIONS: return "Options";
    case STATE_LOADGAME: return "Load game";
    case STATE_SAVEGAME: return "Save game";
    case STATE_CHOOSEGAME: return "Choose game";
    case STATE_NEWGAME: return "New game";
    case STATE_MAIN: return "Main screen";
    case STATE_PROCESSING: return "Processing";
    case STATE_INTERNET: return "Check for updates";
    default: return "Unknown screen";
    }
}
}  // namespace

PlaceholderScreen& GetPlaceholderScreen(int state)
{
    static std::array<std::unique_ptr<PlaceholderScreen>, kGameStateCount> screens;
    if (state < 0 || state >= kGameStateCount)
        state = STATE_MENU;
    if (!screens[state])
        screens[state] = std::make_unique<PlaceholderScreen>(TitleOf(state));
    return *screens[state];
}

void PlaceholderScreen::Render()
{
    D3DEngine& engine = GetD3DEngine();
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    engine.GradientRect(GRect{0, 0, w, h}, 0xFF1B2A3Au, 0xFF0E1620u);
    engine.FillRect(GRect{0, h / 2 - 60, w, h / 2 + 60}, 0xC0000000u);
    engine.DrawRect(GRect{0, h / 2 - 60, w - 1, h / 2 + 60}, 0xFF6F8FAFu);
    float titleWidth = ShellHooks::TextWidth("arialbold20.dds", mTitle);
    ShellHooks::DrawText("arialbold20.dds", mTitle, (w - titleWidth) / 2.0f, h / 2.0f - 30.0f, 0xFFFFFFFFu);
    const std::string hint = "Not built yet - click or press Escape to return to the menu";
    float hintWidth = ShellHooks::TextWidth("arial16.dds", hint);
    ShellHooks::DrawText("arial16.dds", hint, (w - hintWidth) / 2.0f, h / 2.0f + 10.0f, 0xFFB0C4D8u);
}

bool PlaceholderScreen::OnClick(float, float)
{
    GetSounds().PlayClick();
    GetGame().SetState(STATE_MENU);
    return true;
}

void PlaceholderScreen::OnKey(int scanCode)
{
    if (scanCode == ScanCode::Escape)
        GetGame().SetState(STATE_MENU);
}
