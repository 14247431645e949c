#pragma once
#include "sim/TurnScreens.h"

// What the windowed game shows while turns are processed: the processing
// state with a frame drawn at once, the music mood, and a frame at each
// progress step. Screens built later add their own parts (dialogs, reports).
class GameTurnScreens : public TurnScreens {
public:
    void ShowProcessing() override;
    void SetMusicMood(int mood) override;
};

GameTurnScreens& GetGameTurnScreens();
