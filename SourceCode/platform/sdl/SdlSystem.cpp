#include "platform/sdl/SdlSystem.h"

#include <SDL.h>

namespace SdlSystem {

void Quit() { SDL_Quit(); }

}  // namespace SdlSystem
