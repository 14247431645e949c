#pragma once
#include <string>
#include <vector>

class SIM_PressureGroup;

// Something a pressure group does with its strength: a strike, a blockade.
// Its outcome runs a script.
class SIM_AttackEvent {
public:
    static constexpr const char* kFolder = "data/simulation/attacks";
    static constexpr int kTurnsBetweenTries = 4;

    virtual ~SIM_AttackEvent() = default;

    // Deletes every attack, then builds one per "*.txt" file of the folder.
    static void LoadAttacks(const std::string& folder = kFolder);
    static void DeleteAllAttacks();
    static const std::vector<SIM_AttackEvent*>& All();
    // One queued attack, picked at random, is tried; the others are dropped.
    static void ResolveQueuedAttack();
    // The attacks waiting for this turn's draw, in the order they were queued.
    static const std::vector<SIM_AttackEvent*>& QueuedAttacks();

    bool CanLaunch(const SIM_PressureGroup& group, int turn) const;
    void Queue();
    // Success or failure, and its script; returns true on success.
    bool Attempt(int turn);

    std::string Name;
    std::string GUIName;
    std::string UsedBy;
    float Cost = 0.0f;
    float MinStrength = 0.0f;
    int MinSize = 0;
    float SuccessChance = 0.0f;
    std::string SuccessText;
    std::string FailureText;
    std::string OnSuccess;
    std::string OnFailure;
    int LastTrigger = 0;
};
