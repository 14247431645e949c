#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

#include "platform/EventSink.h"
#include "platform/ScanCodes.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlVideo.h"

namespace {

TEST(SdlInput, ScanCodesFollowTheClassicNumberingAndMapBack)
{
    const struct {
        int sdl, game;
    } keys[] = {{SDL_SCANCODE_RETURN, ScanCode::Return}, {SDL_SCANCODE_LSHIFT, 42}, {SDL_SCANCODE_RSHIFT, 54},
                {SDL_SCANCODE_LALT, 56}, {SDL_SCANCODE_A, 0x1E}, {SDL_SCANCODE_F12, 0x58},
                {SDL_SCANCODE_DELETE, 0xD3}, {SDL_SCANCODE_AUDIOMUTE, 0}, {-5, 0}};
    for (const auto& key : keys)
        EXPECT_EQ(SdlInput::ToScanCode(key.sdl), key.game) << key.sdl;
    for (int sdl = 1; sdl < SDL_NUM_SCANCODES; ++sdl) {
        const int code = SdlInput::ToScanCode(sdl);
        if (code != 0) {
            EXPECT_EQ(SdlInput::FromScanCode(code), sdl) << sdl;
        }
    }
}

SDL_Event Key(Uint32 type, SDL_Scancode scancode, bool repeat = false)
{
    SDL_Event event{};
    event.type = type;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.scancode = scancode;
    return event;
}

// What the sink heard, one word per call.
class HeardSink : public EventSink {
public:
    std::vector<std::string> heard;
    void OnCloseRequested() override { heard.push_back("close"); }
    void OnActiveChanged(bool active) override { heard.push_back(active ? "active" : "inactive"); }
    void OnDisplayLost() override { heard.push_back("lost"); }
    void OnInput(const InputRecord& record) override { heard.push_back("input " + std::to_string(record.scanCode)); }
};

TEST(SdlEvents, WindowEventsAndInputReachTheSinkInOrder)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);  // e.g. audio devices seen by other tests
    for (Uint8 windowEvent : {SDL_WINDOWEVENT_MINIMIZED, SDL_WINDOWEVENT_RESTORED, SDL_WINDOWEVENT_CLOSE}) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = windowEvent;
        SDL_PushEvent(&event);
    }
    SDL_Event event{};
    event.type = SDL_RENDER_TARGETS_RESET;
    SDL_PushEvent(&event);
    // Key repeats and the middle button are no input for the game.
    event = Key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE, true);
    SDL_PushEvent(&event);
    event = SDL_Event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_MIDDLE;
    SDL_PushEvent(&event);
    event = Key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE);
    SDL_PushEvent(&event);
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
    HeardSink sink;
    EXPECT_EQ(SdlEvents::Pump(sink), 8);
    EXPECT_EQ(sink.heard,
              (std::vector<std::string>{"inactive", "active", "close", "lost", "input 1", "close"}));
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

}  // namespace
