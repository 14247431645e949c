#include "engine/ShellHooks.h"

#include "engine/BaseGUIScreen.h"
#include "engine/FontManager.h"
#include "engine/GameState.h"
#include "engine/PlaceholderScreen.h"
#include "engine/SmartTexture.h"
#include "gui/MenuGUIScreen.h"
#include "platform/NumberText.h"

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
// "arialbold20.dds" is drawn at 20 pixels: the size is the number in its name.
float SizeOfFont(const std::string& font)
{
    size_t end = font.find_last_of("0123456789");
    if (end == std::string::npos)
        return 16.0f;
    size_t begin = font.find_last_not_of("0123456789", end);
    begin = begin == std::string::npos ? 0 : begin + 1;
    return NumberText::ParseFloat(font.substr(begin, end - begin + 1));
}

bool SelectFont(const std::string& font)
{
    FontManager& fonts = GetFontManager();
    if (!fonts.IsInitialised() || !fonts.FindFont(font))
        return false;
    fonts.SelectFont(font, SizeOfFont(font));
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
