#pragma once
// A presentation that keeps what the model asked of the screens. Installed
// while it lives, so a test (or fixture) only has to hold one.
#include <string>
#include <utility>
#include <vector>

#include "politics/ElectionManager.h"
#include "sim/Calendar.h"
#include "sim/Presentation.h"

class RecordingPresentation : public Presentation {
public:
    RecordingPresentation() { Install(this); }
    ~RecordingPresentation() override { Install(nullptr); }
    RecordingPresentation(const RecordingPresentation&) = delete;
    RecordingPresentation& operator=(const RecordingPresentation&) = delete;

    void AddIcon(SIM_PolicyGroup* group, Neuron* neuron) override { added.emplace_back(group, neuron); }
    void RemoveIcon(SIM_PolicyGroup* group, Neuron* neuron) override { removed.emplace_back(group, neuron); }
    void NoticeSituation(SIM_Situation* situation, SituationNotice notice) override
    {
        notices.emplace_back(situation, notice);
    }
    void SetProgress(const std::string&, float) override { progressMonths.push_back(Calendar::Get().Month()); }
    void PumpFrame() override { ++frames; }
    void NextQuotation() override { ++quotations; }
    void OpenManifestoChooser() override { ++manifestoChoosers; }
    void SetFinished(bool done) override { finished = done; }
    bool ModalWindowOpen() override { return modalOpen; }
    void OpenReportWindow() override { ++reportWindows; }
    void SetMusicMood(int mood) override { moods.push_back(mood); }
    void ShowElectionResults(const ElectionCount&, const ElectionResult& result) override
    {
        electionResults.push_back(result);
    }

    std::vector<std::pair<SIM_PolicyGroup*, Neuron*>> added;
    std::vector<std::pair<SIM_PolicyGroup*, Neuron*>> removed;
    std::vector<std::pair<SIM_Situation*, SituationNotice>> notices;
    std::vector<int> moods;
    std::vector<ElectionResult> electionResults;
    std::vector<int> progressMonths;  // the calendar's month at each progress step
    int frames = 0;
    int reportWindows = 0;
    int quotations = 0;
    int manifestoChoosers = 0;
    bool modalOpen = false;
    bool finished = false;
};
