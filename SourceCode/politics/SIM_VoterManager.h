#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/GameSubsystem.h"

class Neuron;
class SIM_Voter;
class SIM_VoterType;

// Owns the voter groups, loads them from the voter-group file, creates the
// population and drives the voters' and groups' turns.
class SIM_VoterManager : public GameSubsystem {
public:
    enum IncomeDriver { INCOME_LOW = 0, INCOME_MIDDLE = 1, INCOME_HIGH = 2 };

    static SIM_VoterManager& Get();

    void Release() override;

    // Reads the file named by the setup key "voters" (all voters and groups
    // are deleted first).
    void LoadVoterTypes();
    void LoadVoterTypes(const std::string& path);
    void CreatePopulation();
    // One more voter of the population, with no groups yet (saved games).
    SIM_Voter* NewVoter();
    // Every voter's sympathies, ten turns' worth at once.
    void WarmUpSympathies();
    void UpdateVoters();
    // Every voter's value from its groups' (after the network's pass).
    void RecalculateVoters();
    void UpdateVoterTypes();
    void PollVoterTypes();

    // None past the end.
    SIM_VoterType* GetVoterType(size_t index) const;
    // Exact neuron name among the groups; none when absent.
    SIM_VoterType* FindVoterType(const std::string& name) const;
    // A random group other than "_All_"; a data set without one is fatal.
    SIM_VoterType* RandomVoterType() const;
    const std::vector<SIM_VoterType*>& VoterTypes() const { return mVoterTypes; }

    // Deleted with the network's links kept, each voter and link at a constant cost.
    void DeleteAllVoters();
    void DeleteAllVoterTypes();

    // The number of voters a game has (set from AIENTITIES).
    int PopulationSize() const { return mPopulationSize; }
    void SetPopulationSize(int size) { mPopulationSize = size; }

    SIM_VoterType* PoorGroup() const { return mPoor; }
    SIM_VoterType* MiddleIncomeGroup() const { return mMiddleIncome; }
    SIM_VoterType* WealthyGroup() const { return mWealthy; }
    // Looks "Poor", "MiddleIncome" and "Wealthy" up again among the groups.
    void FindIncomeGroups();

    // The value of "_LowIncome", "_MiddleIncome" or "_HighIncome"; 0 when the
    // value is missing or not a number. Found by name once per pass.
    float IncomeDriverValue(IncomeDriver driver);
    // Makes the next IncomeDriverValue look the three up again.
    void ForgetIncomeDrivers();
    // The network was cleared, and the groups and voters with it: forget them.
    void ForgetNetwork();

    // Adds a group made elsewhere (tests, tools); the manager owns it then.
    void AdoptVoterType(SIM_VoterType* group);

private:
    SIM_VoterManager() = default;

    std::vector<SIM_VoterType*> mVoterTypes;
    SIM_VoterType* mPoor = nullptr;
    SIM_VoterType* mMiddleIncome = nullptr;
    SIM_VoterType* mWealthy = nullptr;
    Neuron* mIncomeDrivers[3] = {nullptr, nullptr, nullptr};
    bool mIncomeDriversFound = false;
    int mPopulationSize = 0;
    // Kept between passes so that a pass allocates nothing.
    std::vector<float> mGroupValues;
    std::vector<uint8_t> mGroupCounts;
};
