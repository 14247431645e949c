#include "engine/GamePresentation.h"

#include "engine/Game.h"
#include "sound/GUI_Sounds.h"

GamePresentation& GetGamePresentation()
{
    static GamePresentation presentation;
    return presentation;
}

void GamePresentation::ShowProcessing() { GetGame().ShowProcessing(); }

void GamePresentation::PumpFrame() { GetGame().DrawProgressFrame(); }

void GamePresentation::SetMusicMood(int mood) { GetSounds().SetMood(mood); }

void GamePresentation::PlaySound(const std::string& path) { GetSounds().PlaySound(path, false); }
