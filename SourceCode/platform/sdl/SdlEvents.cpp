#include "platform/sdl/SdlEvents.h"

#include <SDL.h>

#include "platform/EventSink.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlVideo.h"

namespace SdlEvents {

namespace {
void HandleWindowEvent(EventSink& sink, const SDL_WindowEvent& event)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
        sink.OnCloseRequested();
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN:
        sink.OnActiveChanged(false);
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_EXPOSED:
        sink.OnActiveChanged(true);
        break;
    default:
        break;
    }
}

void PushMouseButton(Uint32 type, int x, int y)
{
    SDL_Event event{};
    event.type = type;
    event.button.windowID = SDL_GetWindowID(GetSdlVideo().Window());
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

void PushKey(Uint32 type, int sdlScancode)
{
    SDL_Event event{};
    event.type = type;
    event.key.windowID = SDL_GetWindowID(GetSdlVideo().Window());
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = static_cast<SDL_Scancode>(sdlScancode);
    event.key.keysym.sym = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(sdlScancode));
    SDL_PushEvent(&event);
}
}  // namespace

int Pump(EventSink& sink)
{
    const SdlVideo& video = GetSdlVideo();
    int handled = 0;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        ++handled;
        switch (event.type) {
        case SDL_QUIT:
            sink.OnCloseRequested();
            break;
        case SDL_WINDOWEVENT:
            HandleWindowEvent(sink, event.window);
            break;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            sink.OnDisplayLost();
            break;
        default: {
            InputRecord record;
            if (SdlInput::Translate(event, video, record))
                sink.OnInput(record);
            break;
        }
        }
    }
    return handled;
}

void InjectClick(int logicalX, int logicalY)
{
    SdlVideo& video = GetSdlVideo();
    const SdlVideo::Box box = video.LetterboxInWindow();
    int x = logicalX;
    int y = logicalY;
    if (box.w > 0 && video.LogicalWidth() > 0) {
        x = box.x + logicalX * box.w / video.LogicalWidth();
        y = box.y + logicalY * box.h / video.LogicalHeight();
    }
    SDL_WarpMouseInWindow(video.Window(), x, y);
    PushMouseButton(SDL_MOUSEBUTTONDOWN, x, y);
    PushMouseButton(SDL_MOUSEBUTTONUP, x, y);
}

void InjectKey(int scanCode)
{
    const int sdlScancode = SdlInput::FromScanCode(scanCode);
    PushKey(SDL_KEYDOWN, sdlScancode);
    PushKey(SDL_KEYUP, sdlScancode);
}

}  // namespace SdlEvents
