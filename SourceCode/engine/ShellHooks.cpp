#include "engine/ShellHooks.h"

#include "engine/BaseGUIScreen.h"
#include "engine/FontManager.h"
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

void LoadFonts() { GetFontManager().LoadGameFonts(); }

void ResolveSmartTextures() { SmartTexture::ResolveAll(); }

void UpdateWindowManager() {}

void DrawTopLayer() { GetFontManager().Flush(); }

void ResetTextQueue() { GetFontManager().ResetFrame(); }

void DrawMousePointer() {}

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

void DeleteGameLists() {}

void ClosePolicyDetails() {}

}  // namespace ShellHooks
