#include "engine/GamePresentation.h"

#include "engine/Game.h"
#include "gui/GUIPolicyDetails.h"
#include "gui/GUI_CommandDispatcher.h"
#include "gui/GUI_IconNetwork.h"
#include "gui/GUI_MainScreen.h"
#include "gui/GUI_ProcessingScreen.h"
#include "gui/WindowManager.h"
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

void GamePresentation::AddIcon(SIM_PolicyGroup* group, Neuron* neuron) { GetMainScreen().AddIcon(group, neuron); }

void GamePresentation::RemoveIcon(SIM_PolicyGroup*, Neuron* neuron) { GetMainScreen().RemoveIcon(neuron); }

void GamePresentation::RefreshIcons() { GetMainScreen().RefreshIcons(); }

void GamePresentation::ClearMainScreen() { GetMainScreen().ClearIcons(); }

bool GamePresentation::ModalWindowOpen() { return GetWindowManager().AnyModalOpen(); }

void GamePresentation::ShowDetails(SIM_Policy* policy)
{
    if (policy)
        GUIPolicyDetails::Open(policy);
}

void GamePresentation::SetPlayGuideFlag(PlayGuideFlag flag, bool on)
{
    GUI_IconNetwork& network = GetIconNetwork();
    switch (flag) {
    case HIDEPOLICYICONS: network.HidePolicies = on; break;
    case HIDESITUATIONICONS: network.HideSituations = on; break;
    case HIDESIMICONS: network.HideValues = on; break;
    case HIDEVOTERICONS: network.HideVoters = on; break;
    case DISABLEICONCONNECTORS: network.DisableConnectors = on; break;
    default: break;
    }
}

void GamePresentation::ClearPermittedIcons() { GetIconNetwork().ClearPermitted(); }

void GamePresentation::AddPermittedIcon(Neuron* neuron) { GetIconNetwork().Permit(neuron); }

void GamePresentation::SetAllowedButton(const std::string& name) { GetCommandDispatcher().SetAllowedButton(name); }

void GamePresentation::AllowClicks()
{
    GetCommandDispatcher().AllowAll();
    GetIconNetwork().AllowAll();
}
