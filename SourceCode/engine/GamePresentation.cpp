#include "engine/GameTurnScreens.h"

#include "engine/Game.h"
#include "sound/GUI_Sounds.h"

GameTurnScreens& GetGameTurnScreens()
{
    static GameTurnScreens screens;
    return screens;
}

void GameTurnScreens::ShowProcessing() { GetGame().ShowProcessing(); }

void GameTurnScreens::SetMusicMood(int mood) { GetSounds().SetMood(mood); }
