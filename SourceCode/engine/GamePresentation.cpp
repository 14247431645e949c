#include "engine/GamePresentation.h"

#include "engine/Game.h"
#include "gui/GUI_ProcessingScreen.h"
#include "gui/PlayGuide.h"
#include "gui/QuoteManager.h"
#include "sound/GUI_Sounds.h"

GamePresentation& GetGamePresentation()
{
    static GamePresentation presentation;
    return presentation;
}

void GamePresentation::ShowProcessingScreen(const std::string& picture) { GetProcessingScreen().Begin(picture); }

void GamePresentation::NextQuotation() { GetQuoteManager().Next(); }

void GamePresentation::SetProgress(const std::string& text, float value) { GetProcessingScreen().SetProgress(text, value); }

void GamePresentation::ShowProgressText(const std::string& text) { GetProcessingScreen().SetProgressText(text); }

void GamePresentation::SetFinished(bool finished) { GetProcessingScreen().SetFinished(finished); }

void GamePresentation::ShowProcessing() { GetGame().ShowProcessing(); }

void GamePresentation::PumpFrame() { GetGame().DrawProgressFrame(); }

void GamePresentation::SetMusicMood(int mood) { GetSounds().SetMood(mood); }

void GamePresentation::PlaySound(const std::string& path) { GetSounds().PlaySound(path, false); }

void GamePresentation::SetPlayGuideFlag(PlayGuideFlag flag, bool on) { PlayGuide::Get().SetFlag(flag, on); }

void GamePresentation::SetAllowedButton(const std::string& name) { PlayGuide::Get().SetAllowedButton(name); }

void GamePresentation::AllowClicks() { PlayGuide::Get().AllowClicks(); }
