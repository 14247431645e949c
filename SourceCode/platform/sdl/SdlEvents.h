#pragma once

class EventSink;

// Answers every waiting SDL event: window events (close, minimise and
// restore, lost render targets) and keyboard and mouse input go to the sink.
namespace SdlEvents {

// Returns the number of events handled.
int Pump(EventSink& sink);

// Automated runs put input in as window-system events, so it takes the
// player's path. A click at a screen (logical) pixel is moved through the
// letterbox to the window, with the pointer warped there first; a key is
// given by the game's scan code. Both are a press and a release.
void InjectClick(int logicalX, int logicalY);
void InjectKey(int scanCode);

}  // namespace SdlEvents
