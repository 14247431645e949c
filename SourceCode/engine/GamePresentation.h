#pragma once
#include "sim/Presentation.h"

// What the windowed game shows of the model's work: the processing state with
// a frame drawn at once, a frame at each progress step and while the
// population is created, and the music mood. The windows built later add
// their own parts (dialogs, reports, election results).
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

    // The main screen's icons and the play guide's filters.
    void AddIcon(SIM_PolicyGroup* group, Neuron* neuron) override;
    void RemoveIcon(SIM_PolicyGroup* group, Neuron* neuron) override;
    void RefreshIcons() override;
    void ClearMainScreen() override;
    bool ModalWindowOpen() override;
    void ShowDetails(SIM_Policy* policy) override;
    void SetPlayGuideFlag(PlayGuideFlag flag, bool on) override;
    void ClearPermittedIcons() override;
    void AddPermittedIcon(Neuron* neuron) override;
    void SetAllowedButton(const std::string& name) override;
    void AllowClicks() override;
};

GamePresentation& GetGamePresentation();
