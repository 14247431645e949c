#pragma once
#include "platform/InputRecord.h"

// Where the platform layer delivers what the window system reports: window
// events for the application, keyboard and mouse input for the input buffer.
// The engine implements it; the platform knows nothing else of the game.
class EventSink {
public:
    virtual ~EventSink() = default;

    virtual void OnCloseRequested() = 0;          // the close button or the desktop's quit
    virtual void OnActiveChanged(bool active) = 0; // minimised or hidden windows draw nothing
    virtual void OnDisplayLost() = 0;              // the renderer lost its textures
    virtual void OnInput(const InputRecord& record) = 0;
};
