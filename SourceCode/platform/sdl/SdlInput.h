#pragma once
#include "platform/InputRecord.h"

union SDL_Event;
class SdlVideo;

// Turns SDL keyboard and mouse events into the game's input records: key
// codes become the game's scan codes (platform/ScanCodes.h) and window
// coordinates become screen (logical) pixels.
namespace SdlInput {

// The game's scan code for an SDL scancode; 0 for keys the game doesn't know.
int ToScanCode(int sdlScancode);
// The SDL scancode for a game scan code; 0 (unknown) when there is none.
int FromScanCode(int scanCode);

// True when the event is keyboard or mouse input, with its record filled in.
// Key repeats are not input: the game reacts to presses only.
bool Translate(const SDL_Event& event, const SdlVideo& video, InputRecord& record);

}  // namespace SdlInput
