#include "engine/GamePresentation.h"

#include "engine/Game.h"
#include "gui/GUIPolicyDetails.h"
#include "gui/GUI_AwardPopup.h"
#include "gui/GUI_DilemmaDialog.h"
#include "gui/GUI_ElectionResults.h"
#include "gui/GUI_EventDialog.h"
#include "gui/GUI_GameOver.h"
#include "gui/GUI_IconNetwork.h"
#include "gui/GUI_MainScreen.h"
#include "gui/GUI_NeuronDetails.h"
#include "gui/GUI_ManifestoChooser.h"
#include "gui/GUI_MessageDialog.h"
#include "gui/GUI_ProcessingScreen.h"
#include "gui/GUI_ReportWindow.h"
#include "gui/GUI_StartDialog.h"
#include "gui/PlayGuide.h"
#include "gui/WindowDirectory.h"
#include "gui/WindowManager.h"
#include "gui/QuoteManager.h"
#include "politics/SIM_AttackEvent.h"
#include "sim/SIM_Policy.h"
#include "sound/GUI_Sounds.h"

GamePresentation& GetGamePresentation()
{
    static GamePresentation presentation;
    return presentation;
}

void GamePresentation::ShowProcessingScreen(const std::string& picture)
{
    // The windows stay: an autosave passes through here after the turn has
    // opened its report, dialogs and the manifesto chooser.
    GetProcessingScreen().Begin(picture);
}

void GamePresentation::NextQuotation() { GetQuoteManager().Next(); }

void GamePresentation::SetProgress(const std::string& text, float value) { GetProcessingScreen().SetProgress(text, value); }

void GamePresentation::ShowProgressText(const std::string& text) { GetProcessingScreen().SetProgressText(text); }

void GamePresentation::SetFinished(bool finished) { GetProcessingScreen().SetFinished(finished); }

void GamePresentation::ShowProcessing() { GetGame().ShowProcessing(); }

void GamePresentation::PumpFrame() { GetGame().DrawProgressFrame(); }

void GamePresentation::SetMusicMood(int mood) { GetSounds().SetMood(mood); }

void GamePresentation::PlaySound(const std::string& path) { GetSounds().PlaySound(path, false); }

bool GamePresentation::ModalWindowOpen() { return GetWindowManager().AnyModalOpen(); }

bool GamePresentation::GameOverWindowOpen() { return GUI_GameWindow::IsOpen(GUI_GameOver::kName); }

void GamePresentation::CloseEventDialog() { GUI_EventDialog::Close(); }

void GamePresentation::CloseAllDialogs() { WindowDirectory::CloseAll(); }

void GamePresentation::CloseReportWindow() { GUI_ReportWindow::Close(); }

void GamePresentation::OpenReportWindow() { GUI_ReportWindow::Open(); }

void GamePresentation::OpenManifestoChooser() { GUI_ManifestoChooser::Open(); }

void GamePresentation::OpenStartDialog() { GUI_StartDialog::Open(); }

void GamePresentation::ShowElectionResults(const ElectionCount& /*count*/, const ElectionResult& result)
{
    // The result holds the count's totals; the window replays them.
    GUI_ElectionResults::Open(result, std::move(mBrokenPledges));
    mBrokenPledges.clear();
}

void GamePresentation::CloseWindow(Window window)
{
    switch (window) {
    case WINDOW_REPORTS:
        WindowDirectory::CloseByCommand("CloseReports");
        break;
    case WINDOW_CABINET:
        WindowDirectory::CloseByCommand("CloseCabinet");
        break;
    case WINDOW_POLLS:
        WindowDirectory::CloseByCommand("ClosePolls");
        break;
    case WINDOW_INTEL_REPORT:
        WindowDirectory::CloseByCommand("CloseIntelReport");
        break;
    case WINDOW_PARTY:
        WindowDirectory::CloseByCommand("ClosePartyWindow");
        break;
    case WINDOW_FINANCE:
        WindowDirectory::CloseByCommand("CloseFinanceWindow");
        break;
    case WINDOW_DILEMMA:
        GUI_DilemmaDialog::Close();
        break;
    default:
        // The policy picker and the details windows belong to the main screen.
        break;
    }
}

void GamePresentation::ShowNeuronDetails(Neuron* neuron)
{
    if (auto* policy = dynamic_cast<SIM_Policy*>(neuron))
        ShowDetails(policy);
    else if (neuron)
        GUI_NeuronDetails::Open(neuron);
}

void GamePresentation::ShowGameOver(const std::string& title, const std::string& text)
{
    GUI_GameOver::Open(title, text);
}

void GamePresentation::NoticeDilemma(SIM_Dilemma& dilemma) { GUI_DilemmaDialog::Open(dilemma); }

void GamePresentation::NoticeEvent(SIM_Event& event) { GUI_EventDialog::Open(event); }

void GamePresentation::NoticeAttack(const SIM_AttackEvent& attack, bool succeeded)
{
    if (succeeded && !attack.SuccessText.empty())
        new GUI_MessageDialog("AttackDialog", attack.GUIName, attack.SuccessText);
}

void GamePresentation::NoticePledge(const std::string& name, bool kept)
{
    if (!kept)
        mBrokenPledges.push_back(name);
}

void GamePresentation::ShowAchievement(const std::string& id, const std::string& title)
{
    GUI_AwardPopup::Open(id, title);
}
void GamePresentation::AddIcon(SIM_PolicyGroup* group, Neuron* neuron) { GetMainScreen().AddIcon(group, neuron); }

void GamePresentation::RemoveIcon(SIM_PolicyGroup*, Neuron* neuron) { GetMainScreen().RemoveIcon(neuron); }

void GamePresentation::RefreshIcons() { GetMainScreen().RefreshIcons(); }

void GamePresentation::ClearMainScreen() { GetMainScreen().ClearIcons(); }

void GamePresentation::ShowDetails(SIM_Policy* policy)
{
    if (policy)
        GUIPolicyDetails::Open(policy);
}

void GamePresentation::SetPlayGuideFlag(PlayGuideFlag flag, bool on)
{
    PlayGuide::Get().SetFlag(flag, on);
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

void GamePresentation::SetAllowedButton(const std::string& name) { PlayGuide::Get().SetAllowedButton(name); }

void GamePresentation::AllowClicks()
{
    PlayGuide::Get().AllowClicks();
    GetIconNetwork().AllowAll();
}
