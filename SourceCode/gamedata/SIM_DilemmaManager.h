#pragma once
#include <string>
#include <vector>

#include "engine/GameSubsystem.h"

class SIM_Dilemma;

// Every dilemma of the game, from the data folder and then the player's mod
// folder. Once a turn the best-scoring one above the bar arises.
class SIM_DilemmaManager : public GameSubsystem {
public:
    static constexpr const char* kFolder = "data/simulation/dilemmas";

    static SIM_DilemmaManager& Get();

    // "*.txt" of the data folder, then of "<userFolder>/mods/data/simulation/dilemmas".
    void LoadDilemmas(const std::string& userFolder);
    void LoadFolder(const std::string& folder);
    // Once per turn, from the third turn on.
    void PerTurn();
    SIM_Dilemma* Find(const std::string& name) const;
    // Triggered and not yet answered, in list order.
    std::vector<SIM_Dilemma*> Pending() const;

    const std::vector<SIM_Dilemma*>& Dilemmas() const { return mDilemmas; }
    void Release() override;

private:
    SIM_DilemmaManager() = default;
    std::vector<SIM_Dilemma*> mDilemmas;
};
