#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/GameSubsystem.h"
#include "sim/SIM_PolicyGroup.h"
#include "sim/SliderDefinitions.h"

class SIM_Policy;

// Owns the seven policy groups, the slider layouts and every policy.
class SIM_PolicyManager : public GameSubsystem {
public:
    static constexpr const char* kDefaultTable = "data/simulation/policies.csv";
    // Under each of the user's mod roots (UserFolders::ModRoots).
    static constexpr const char* kModPattern = "data/simulation/policies/*.txt";

    // Game setup: the seven groups, the slider layouts and the first phase of
    // every policy (the table named by "policies" in the setup section, then
    // the first line of each mod file in the user folder).
    void Init();
    // The same with the files named (tests, tools). An empty mod pattern reads no mods.
    void Init(const std::string& table, const std::string& modPattern, const std::string& sliderTable,
              const std::string& sliderModPattern);
    void Init(const std::string& table, const std::vector<std::string>& modPatterns, const std::string& sliderTable,
              const std::string& sliderModPattern);
    void CreateGroups();
    void LoadPolicies(const std::string& table, const std::vector<std::string>& modPatterns);

    // Game setup, once every neuron that policies act on exists.
    void ReadPolicyFields();
    // Mission start: every uncancellable policy in force at once, fully implemented.
    void IntroduceUncancellablePolicies();

    // Once per turn, for the active policies in introduction order.
    void AdvanceImplementation();
    void ComputePopularity();

    // Exact name; null when no group has it (or before the groups are first made).
    SIM_PolicyGroup* FindGroup(const std::string& name) const;
    SIM_PolicyGroup* Group(int index) const;
    SIM_Policy* FindPolicy(const std::string& name) const;
    SliderDefinitions& Sliders() { return mSliders; }

    // Deletes every policy and empties the groups (they stay in place).
    void Release() override;

    // All policies in load order; the active ones in introduction order.
    static const std::vector<SIM_Policy*>& AllPolicies();
    static const std::vector<SIM_Policy*>& ActivePolicies();

private:
    friend class SIM_Policy;
    static std::vector<SIM_Policy*>& AllList();
    static std::vector<SIM_Policy*>& ActiveList();

    std::array<std::unique_ptr<SIM_PolicyGroup>, SIM_PolicyGroup::kGroupCount> mGroups;
    SliderDefinitions mSliders;
};

SIM_PolicyManager& GetPolicyManager();
