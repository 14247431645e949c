#pragma once
#include <string>
#include <vector>

#include "sim/Presentation.h"

// What the windowed game shows of the model's work: the processing state with
// a frame drawn at once, a frame at each progress step and while the
// population is created, the music mood, and the game's windows: reports,
// dilemmas and events, the manifesto, the election and the end of the game.
class GamePresentation : public Presentation {
public:
    void ShowProcessingScreen(const std::string& picture) override;
    void NextQuotation() override;
    void SetProgress(const std::string& text, float value) override;
    void ShowProgressText(const std::string& text) override;
    void SetFinished(bool finished) override;
    void ShowProcessing() override;
    void PumpFrame() override;
    void SetMusicMood(int mood) override;
    // The scripts' sound effects, played once.
    void PlaySound(const std::string& path) override;
    // The main screen's icons, the play guide's flags and its filters.
    void AddIcon(SIM_PolicyGroup* group, Neuron* neuron) override;
    void RemoveIcon(SIM_PolicyGroup* group, Neuron* neuron) override;
    void RefreshIcons() override;
    void ClearMainScreen() override;
    void ShowDetails(SIM_Policy* policy) override;
    void SetPlayGuideFlag(PlayGuideFlag flag, bool on) override;
    void ClearPermittedIcons() override;
    void AddPermittedIcon(Neuron* neuron) override;
    void SetAllowedButton(const std::string& name) override;
    void AllowClicks() override;

    // --- the game's windows
    bool ModalWindowOpen() override;
    bool GameOverWindowOpen() override;
    void CloseEventDialog() override;
    void CloseAllDialogs() override;
    void CloseReportWindow() override;
    void OpenReportWindow() override;
    void OpenManifestoChooser() override;
    void OpenStartDialog() override;
    void ShowElectionResults(const ElectionCount& count, const ElectionResult& result) override;
    void CloseWindow(Window window) override;
    void ShowNeuronDetails(Neuron* neuron) override;
    void ShowGameOver(const std::string& title, const std::string& text) override;
    void NoticeDilemma(SIM_Dilemma& dilemma) override;
    void NoticeEvent(SIM_Event& event) override;
    void NoticeAttack(const SIM_AttackEvent& attack, bool succeeded) override;
    void NoticePledge(const std::string& name, bool kept) override;
    void ShowAchievement(const std::string& id, const std::string& title) override;

private:
    // The pledges judged broken at this election, for its results window.
    std::vector<std::string> mBrokenPledges;
};

GamePresentation& GetGamePresentation();
