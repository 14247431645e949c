#pragma once
#include <string>
#include <vector>

#include "engine/GameSubsystem.h"

class Neuron;
class SIM_SimVal;

// Owns the simulation values and keeps the three income values at hand for
// the voter model.
class CSimulation : public GameSubsystem {
public:
    static constexpr const char* kDefaultTable = "data/simulation/simulation.csv";

    // Reads the table named by "simulation" in the setup section.
    void LoadSimVals();
    // Reads the given table, then looks up the three income values.
    void LoadSimVals(const std::string& table);
    // Once every neuron exists: the effects of every value, in load order.
    void CreatePendingEffects();
    // Puts every value that is not "HIDDEN" into its policy group and on the
    // main screen. Run after the policy groups exist.
    void AttachToGroups();

    // Deletes every simulation value.
    void Release() override;

    const std::vector<SIM_SimVal*>& SimVals() const { return mSimVals; }
    SIM_SimVal* FindSimVal(const std::string& name) const;

    // "_LowIncome", "_MiddleIncome" and "_HighIncome"; null until loaded.
    static Neuron* LowIncome();
    static Neuron* MiddleIncome();
    static Neuron* HighIncome();

private:
    friend class SIM_SimVal;
    void LookUpIncomeValues();
    // A value being destroyed stops being an income value.
    static void ForgetIncomeValue(const Neuron* value);

    std::vector<SIM_SimVal*> mSimVals;
};

CSimulation& GetSimulation();
