#pragma once
#include <string>
#include <vector>

#include "gamedata/DilemmaOption.h"
#include "sim/Neuron.h"

// A choice put to the player: its value, computed from its influences, decides
// when it arises (once a game at most); each option runs its own script.
// It never feeds other neurons.
class SIM_Dilemma : public Neuron {
public:
    static constexpr float kTriggerScore = 0.5f;

    SIM_Dilemma();

    // Reads a dilemma file: sections "dilemma", "influences", "prereqs", and
    // every section whose name contains "option", in file order. A dilemma
    // without a name is a fatal data error naming the file.
    static SIM_Dilemma* Load(const std::string& path);

    // 0 once triggered or while the mission lacks a listed module; else the
    // value recomputed from the influences.
    float Score();
    bool PrereqsMet() const;
    // Arises: marked triggered, posted to the issues list, awaiting an answer.
    void Trigger();
    // The player's answer (0-based). Runs its script, closes the window and
    // takes the dilemma off the issues list. False when it is not pending or
    // there is no such option.
    bool Choose(size_t option);

    const std::string& Description() const { return mDescription; }
    const std::vector<DilemmaOption>& Options() const { return mOptions; }
    void AddOption(DilemmaOption option);
    const std::vector<std::string>& Prereqs() const { return mPrereqs; }
    void AddPrereq(const std::string& module) { mPrereqs.push_back(module); }
    bool IsTriggered() const { return mTriggered; }
    void SetTriggered(bool triggered) { mTriggered = triggered; }
    // Triggered and not yet answered.
    bool IsPending() const { return mTriggered && !mAnswered; }
    bool IsAnswered() const { return mAnswered; }
    void SetAnswered(bool answered) { mAnswered = answered; }

private:
    std::string mDescription;
    std::vector<DilemmaOption> mOptions;
    std::vector<std::string> mPrereqs;
    bool mTriggered = false;
    bool mAnswered = false;
};
