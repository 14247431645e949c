#include "platform/sdl/SdlEvents.h"

#include <SDL.h>

#include "engine/CInput.h"
#include "engine/Game.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlVideo.h"

namespace SdlEvents {

namespace {
void HandleWindowEvent(Game& game, const SDL_WindowEvent& event)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
        game.OnCloseRequested();
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN:
        game.SetActive(false);
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_EXPOSED:
        game.SetActive(true);
        break;
    default:
        break;
    }
}
}  // namespace

int Pump(Game& game)
{
    const SdlVideo& video = GetSdlVideo();
    CInput& input = GetInput();
    int handled = 0;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        ++handled;
        switch (event.type) {
        case SDL_QUIT:
            game.OnCloseRequested();
            break;
        case SDL_WINDOWEVENT:
            HandleWindowEvent(game, event.window);
            break;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            game.OnDisplayLost();
            break;
        default: {
            InputRecord record;
            if (SdlInput::Translate(event, video, record))
                input.QueueRecord(record);
            break;
        }
        }
    }
    return handled;
}

}  // namespace SdlEvents
