#pragma once
#include "platform/EventSink.h"

class Game;

// Hands the platform's events to the game: window events to the application,
// input records to the input object's buffer for the next frame.
class GameEventSink : public EventSink {
public:
    explicit GameEventSink(Game& game) : mGame(game) {}

    void OnCloseRequested() override;
    void OnActiveChanged(bool active) override;
    void OnDisplayLost() override;
    void OnInput(const InputRecord& record) override;

private:
    Game& mGame;
};
