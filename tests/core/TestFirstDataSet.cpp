#include <gtest/gtest.h>

#include <cmath>

#include "SimTestWorld.h"
#include "gamedata/NamePool.h"
#include "gamedata/RecordTokenizer.h"
#include "gamedata/SetupSection.h"
#include "gamedata/SpecialNeurons.h"
#include "platform/PlatformFiles.h"
#include "politics/SIM_Voter.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "sim/SIM_Situation.h"
#include "sim/SIM_SimVal.h"

namespace {

const std::string kData = std::string(RULECRAFT_SOURCE_DIR) + "/data/simulation/";

// The voter groups that the shipped tables act on: the names of the voter-group
// table when it is there, else the groups the tables were written for.
std::vector<std::string> VoterGroupNames()
{
    std::vector<std::string> lines;
    std::vector<std::string> names;
    if (PlatformFiles::ReadLines(kData + "votertypes.csv", lines)) {
        for (const std::string& line : lines) {
            if (line.empty() || line[0] != '#')
                continue;
            RecordTokenizer fields(line);
            fields.SkipField();
            std::string name = fields.NextTrimmedText();
            if (!name.empty())
                names.push_back(name);
        }
    }
    if (names.empty())
        names = {"_All_",    "Poor",      "MiddleIncome", "Wealthy",      "Motorist", "Parents",
                 "Retired",  "Capitalist", "Socialist",   "Environmentalist", "Religious", "Liberal",
                 "Conservative", "Patriot", "Commuter",   "Farmer",       "Student",  "Trade Unionist"};
    return names;
}

class FirstDataSetTest : public SimWorldTest {
protected:
    void TearDown() override
    {
        SIM_VoterManager::Get().Release();
        SimWorldTest::TearDown();
    }

    // The tables after the voter groups, in the order game setup loads them,
    // the network initialising.
    static void LoadTables()
    {
    GetSimulation().LoadSimVals(kData + "simulation.csv");
    GetPolicyManager().Init(kData + "policies.csv", "", kData + "sliders.csv", "");
    GetSimulation().AttachToGroups();
    GetSituationManager().LoadSituations(kData + "situations.csv", "");
    GetPolicyManager().ReadPolicyFields();
    NeuralEffect::SetInitialising(true);
    GetPolicyManager().IntroduceUncancellablePolicies();
    GetSimulation().CreatePendingEffects();
    Neuron::OrderNetwork();
    }
};

TEST_F(FirstDataSetTest, LoadsCleanlyAndStaysInRange)
{
    LogCapture log;
    // Game setup makes the built-in neurons first, and situations may read them.
    SpecialNeurons::Create();
    // The voter groups come from their own table when it is there.
    if (PlatformFiles::IsFile(kData + "votertypes.csv")) {
        SIM_VoterManager::Get().LoadVoterTypes(kData + "votertypes.csv");
        EXPECT_GE(SIM_VoterManager::Get().VoterTypes().size(), 10u);
    } else {
        for (const std::string& name : VoterGroupNames())
            Plain(name);
    }

    LoadTables();
    Neuron::RecalculateAll();

    EXPECT_EQ(Diagnostics::AssertionFailures(), 0);
    for (const std::string& line : log.Lines())
        EXPECT_EQ(line.find("ailed to find"), std::string::npos) << line;

    EXPECT_GE(GetSimulation().SimVals().size(), 18u);
    EXPECT_NE(CSimulation::LowIncome(), nullptr);
    EXPECT_NE(CSimulation::MiddleIncome(), nullptr);
    EXPECT_NE(CSimulation::HighIncome(), nullptr);
    for (const char* name : {"GDP", "Unemployment", "Crime", "Health", "Education", "Pollution", "Poverty"})
        EXPECT_NE(GetSimulation().FindSimVal(name), nullptr) << name;
    EXPECT_GE(GetSituationManager().Situations().size(), 6u);
    for (int i = 0; i < SIM_PolicyGroup::kGroupCount; ++i) {
        int inGroup = 0;
        for (SIM_Policy* policy : SIM_PolicyManager::AllPolicies())
            inGroup += policy->Group() == GetPolicyManager().Group(i);
        EXPECT_GE(inGroup, 2) << SIM_PolicyGroup::kNames[i];
    }
    SIM_Policy* incomeTax = GetPolicyManager().FindPolicy("IncomeTax");
    ASSERT_NE(incomeTax, nullptr);
    EXPECT_FALSE(incomeTax->IsCancellable());
    EXPECT_TRUE(incomeTax->IsActive());
    for (SIM_Policy* policy : SIM_PolicyManager::AllPolicies())
        EXPECT_NE(policy->Slider(), nullptr) << policy->GetName();

    // Every policy in force at its middle setting, then a few years of turns.
    for (SIM_Policy* policy : SIM_PolicyManager::AllPolicies())
        policy->Introduce();
    for (int turn = 0; turn < 24; ++turn) {
        GetPolicyManager().AdvanceImplementation();
        NeuralEffect::UpdateAllEffects();
        Neuron::RecalculateAll();
        Neuron::EndTurnAll();
        GetPolicyManager().ComputePopularity();
        NeuralEffect::SetInitialising(false);
    }
    for (SIM_SimVal* value : GetSimulation().SimVals()) {
        float v = value->GetValue();
        EXPECT_TRUE(std::isfinite(v)) << value->GetName();
        // Nothing should be pinned at the ends of the range by ordinary settings.
        // The hidden income values are changes from the usual income, near 0 either way.
        bool incomeChange = value == CSimulation::LowIncome() || value == CSimulation::MiddleIncome() ||
                            value == CSimulation::HighIncome();
        EXPECT_GT(v, incomeChange ? -1.0f : 0.0f) << value->GetName();
        EXPECT_LT(v, 1.0f) << value->GetName();
    }
    for (SIM_Policy* policy : SIM_PolicyManager::AllPolicies()) {
        EXPECT_TRUE(std::isfinite(policy->CurrentCost())) << policy->GetName();
        EXPECT_GE(policy->Popularity(), 0.0f);
        EXPECT_LE(policy->Popularity(), 1.0f);
    }
    EXPECT_GT(incomeTax->CurrentIncome(), 0.0f);
    EXPECT_EQ(Diagnostics::AssertionFailures(), 0);
}

TEST_F(FirstDataSetTest, TwoThousandVotersJoinTheWholeNetworkWithoutAnAssertion)
{
    SetupSection::Load(RULECRAFT_SOURCE_DIR "/data/data.ini");
    NamePool::Get().LoadNames(kData + "names.txt");
    // In the order game setup loads them.
    SpecialNeurons::Create();
    SIM_VoterManager& voters = SIM_VoterManager::Get();
    voters.LoadVoterTypes(kData + "votertypes.csv");
    LoadTables();
    voters.CreatePopulation();
    ASSERT_EQ(SIM_Voter::PopulationCount(), 2000u);

    for (int turn = 0; turn < 4; ++turn) {
        NeuralEffect::UpdateAllEffects();
        Neuron::RecalculateAll();
        Neuron::EndTurnAll();
        voters.UpdateVoters();
        voters.UpdateVoterTypes();
        NeuralEffect::SetInitialising(false);
    }
    EXPECT_EQ(Diagnostics::AssertionFailures(), 0);
    for (SIM_Voter* voter : SIM_Voter::Population()) {
        ASSERT_TRUE(voter->GetValue() >= -1.0f && voter->GetValue() <= 1.0f) << voter->GetValue();
        ASSERT_EQ(voter->IsMemberOf(voters.PoorGroup()) + voter->IsMemberOf(voters.MiddleIncomeGroup()) +
                      voter->IsMemberOf(voters.WealthyGroup()),
                  1);
    }
    for (SIM_VoterType* group : voters.VoterTypes()) {
        float share = group->ShareNeuron().GetValue();
        EXPECT_TRUE(share >= 0.0f && share <= 1.0f) << group->GetName();
        EXPECT_FLOAT_EQ(share, group->MembershipShare()) << group->GetName();
        EXPECT_TRUE(std::isfinite(group->GetValue())) << group->GetName();
    }
    EXPECT_EQ(voters.FindVoterType("_All_")->MemberCount(), 2000u);
}

}  // namespace
