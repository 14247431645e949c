#include "platform/sdl/SdlMessageBox.h"

#include <SDL.h>

#include <cstring>

namespace SdlMessageBox {

namespace {
bool g_enabled = true;
}  // namespace

void SetEnabled(bool enabled) { g_enabled = enabled; }

bool CanShow()
{
    if (!g_enabled || !SDL_WasInit(SDL_INIT_VIDEO))
        return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0);
}

bool Show(const std::string& caption, const std::string& text, Icon icon)
{
    if (!CanShow())
        return false;
    Uint32 flags = SDL_MESSAGEBOX_ERROR;
    if (icon == Icon::Warning)
        flags = SDL_MESSAGEBOX_WARNING;
    else if (icon == Icon::Information)
        flags = SDL_MESSAGEBOX_INFORMATION;
    // The game has one window; it has the keyboard focus whenever the player is looking at it.
    SDL_Window* parent = SDL_GetKeyboardFocus();
    // A full-screen window would hide the box; leave full screen first.
    if (parent && (SDL_GetWindowFlags(parent) & SDL_WINDOW_FULLSCREEN))
        SDL_SetWindowFullscreen(parent, 0);
    return SDL_ShowSimpleMessageBox(flags, caption.c_str(), text.c_str(), parent) == 0;
}

}  // namespace SdlMessageBox
