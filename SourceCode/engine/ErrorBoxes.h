#pragma once

// The message boxes of a run with a player at the screen: a fatal error shows
// its line captioned "ERROR" before the game ends, and the renderer's one
// engine error box is a warning. Automated runs install neither.
namespace ErrorBoxes {

void Install();

}  // namespace ErrorBoxes
