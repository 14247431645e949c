#include "engine/ShellHooks.h"

#include "engine/BaseGUIScreen.h"
#include "engine/GameState.h"
#include "engine/PlaceholderScreen.h"
#include "engine/SmartTexture.h"
#include "gui/MenuGUIScreen.h"

namespace ShellHooks {

BaseGUIScreen* CreateScreen(int state)
{
    switch (state) {
    // Screens still to be built show a placeholder of their name.
    case STATE_OPTIONS:
    case STATE_LOADGAME:
    case STATE_SAVEGAME:
    case STATE_CHOOSEGAME:
    case STATE_NEWGAME:
    case STATE_MAIN:
    case STATE_PROCESSING:
    case STATE_INTERNET:
        return &GetPlaceholderScreen(state);
    default:
        return &GetMenuGUIScreen();
    }
}

void LoadFonts() {}

void ResolveSmartTextures() { SmartTexture::ResolveAll(); }

void UpdateWindowManager() {}

void DrawTopLayer() {}

void DrawMousePointer() {}

void DrawText(const char* font, const std::string& text, float x, float y, uint32_t colour)
{
    (void)font;
    (void)text;
    (void)x;
    (void)y;
    (void)colour;
}

float TextWidth(const char* font, const std::string& text)
{
    (void)font;
    return static_cast<float>(text.size()) * 8.0f;
}

void SetUpNewGame() {}

void DeleteGameLists() {}

void ClosePolicyDetails() {}

}  // namespace ShellHooks
