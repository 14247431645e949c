#pragma once

class Game;

// Answers every waiting SDL event: window events go to the game (close,
// minimise and restore, lost render targets), keyboard and mouse input is
// queued on the input object for the next frame.
namespace SdlEvents {

// Returns the number of events handled.
int Pump(Game& game);

}  // namespace SdlEvents
