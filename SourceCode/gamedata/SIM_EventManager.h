#pragma once
#include <string>
#include <vector>

#include "engine/GameSubsystem.h"

class SIM_Event;

// Every event of the game: those of the data folder and those made at run
// time. Once a turn it may trigger the one with the highest value, at most
// one every three turns.
class SIM_EventManager : public GameSubsystem {
public:
    static constexpr const char* kFolder = "data/simulation/events";
    static constexpr float kTriggerValue = 0.7f;
    static constexpr int kTurnsBetweenEvents = 3;

    static SIM_EventManager& Get();

    // Every "*.txt" of the folder, in name order.
    void LoadEvents(const std::string& folder = kFolder);
    // Takes ownership of an event made at run time.
    SIM_Event* Adopt(SIM_Event* event);
    // Once per turn, from the third turn on.
    void PerTurn();
    // The first event of that exact name; a missing one is fatal.
    void TriggerByName(const std::string& name);
    SIM_Event* Find(const std::string& name) const;

    const std::vector<SIM_Event*>& Events() const { return mEvents; }
    int TurnsSinceLastEvent() const { return mTurnsSinceLastEvent; }
    void SetTurnsSinceLastEvent(int turns) { mTurnsSinceLastEvent = turns; }

    void Release() override;

private:
    SIM_EventManager() = default;
    std::vector<SIM_Event*> mEvents;
    int mTurnsSinceLastEvent = 0;
};
