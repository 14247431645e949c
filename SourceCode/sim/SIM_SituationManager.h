#pragma once
#include <string>
#include <vector>

#include "engine/GameSubsystem.h"

class SIM_Situation;

// Owns the situations, in load order.
class SIM_SituationManager : public GameSubsystem {
public:
    static constexpr const char* kDefaultTable = "data/simulation/situations.csv";
    // In the program folder; only the first line of each file is read.
    static constexpr const char* kModPattern = ".\\data\\mods\\situations\\*.txt";

    // The table named by "situations" in the setup section, then the mod files.
    void LoadSituations();
    // The same with the files named (tests). An empty mod pattern reads no mods.
    void LoadSituations(const std::string& table, const std::string& modPattern);

    // Deletes every situation.
    void Release() override;

    const std::vector<SIM_Situation*>& Situations() const { return mSituations; }
    SIM_Situation* FindSituation(const std::string& name) const;

private:
    friend class SIM_Situation;
    std::vector<SIM_Situation*> mSituations;
};

SIM_SituationManager& GetSituationManager();
