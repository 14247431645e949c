#include <gtest/gtest.h>

#include "VoterTestWorld.h"
#include "sim/NeuralEffect.h"

namespace {

class PopulationTest : public VoterTest {
protected:
    void SetUp() override
    {
        VoterTest::SetUp();
        SIM_VoterManager::Get().LoadVoterTypes();
        for (const char* name : {"_LowIncome", "_MiddleIncome", "_HighIncome"})
            Plain(name);  // the income values the simulation provides
    }
};

TEST_F(PopulationTest, EveryVoterIsLinkedToEveryGroupAndSharesComeOutAsLoaded)
{
    auto& manager = SIM_VoterManager::Get();
    manager.CreatePopulation();
    ASSERT_EQ(SIM_Voter::PopulationCount(), 2000u);
    for (SIM_Voter* voter : SIM_Voter::Population()) {
        for (SIM_VoterType* group : manager.VoterTypes())
            ASSERT_TRUE(voter->HasMembershipLink(group)) << group->GetName();
        ASSERT_FALSE(voter->GetDisplayName().empty());
        ASSERT_EQ(voter->LastVote, SIM_Voter::VOTE_ABSTAIN);
    }
    // The groups that income does not steer.
    for (SIM_VoterType* group : manager.VoterTypes()) {
        if (!group->ExemptFromMembershipTest) {
            EXPECT_NEAR(group->MembershipShare(), group->ShareNeuron().GetBaseValue(), 0.001f) << group->GetName();
        }
    }
    // The window stays alive: a frame every 51 voters.
    EXPECT_EQ(board.frames, 2000 / 51);
}

// Deleting one voter is checked in TestVoter.cpp; here the whole population.
TEST_F(PopulationTest, DeletingThePopulationLeavesNothingBehindWithLinksOnOrOff)
{
    CreateParties();
    auto& manager = SIM_VoterManager::Get();
    manager.CreatePopulation();
    manager.DeleteAllVoters();  // every voter, though each deletion changes the list
    EXPECT_EQ(SIM_Voter::PopulationCount(), 0u);
    EXPECT_EQ(manager.GetVoterType(0)->MemberCount(), 0u);

    // As game setup tears a game down: links off, release, clear, links on.
    manager.CreatePopulation();
    SIM_Voter* member = SIM_Voter::Population().front();
    member->PlaySymp = 1.0f;
    member->SetValue(0.5f);
    member->UpdateSympathies(0);
    ASSERT_EQ(member->Party, PARTY_PLAYER);
    SetRunning(false);
    manager.DeleteAllVoters();
    for (SIM_VoterType* group : manager.VoterTypes())
        EXPECT_EQ(group->MemberCount(), 0u);
    manager.Release();
    Neuron::ClearNetwork();
    NeuralEffect::ClearEffects();
    SetRunning(true);
    EXPECT_EQ(SIM_Voter::PopulationCount(), 0u);
    EXPECT_EQ(NeuralEffect::Count(), 0u);
    // And a new game on top.
    manager.LoadVoterTypes();
    manager.CreatePopulation();
    EXPECT_EQ(manager.GetVoterType(0)->MemberCount(), 2000u);
}

TEST_F(PopulationTest, WarmUpIsTenTurnsOfSympathy)
{
    SIM_VoterManager::Get().CreatePopulation();
    SIM_Voter* voter = SIM_Voter::Population().front();
    voter->SetValue(0.9f);
    SIM_VoterManager::Get().WarmUpSympathies();
    EXPECT_NEAR(voter->PlaySymp, 0.3f, 1e-6f);
}

TEST_F(VoterTest, APopulationSizeBelowOneOrNoNamesIsAFatalDataError)
{
    const std::string size = "AIENTITIES is missing or below 1 in the setup section of data/data.ini";
    for (const char* value : {"", "0", "0.5", "-3", "none", "2000"}) {
        SetTuningValue("AIENTITIES", value);
        bool names = std::string(value) != "2000";
        if (!names)
            NamePool::Get().LoadNames(dir.Path() + "/absent.txt");
        try {
            SIM_VoterManager::Get().CreatePopulation();
            FAIL() << "AIENTITIES=" << value;
        } catch (const FatalErrorRaised& e) {
            // A word is refused before it could be read as 0.
            const bool word = std::string(value) == "none";
            const std::string expected =
                word ? "AIENTITIES must be a number" : names ? size : "No male forenames in the name pool";
            EXPECT_NE(e.message.find(expected), std::string::npos) << e.message;
        }
        EXPECT_EQ(SIM_Voter::PopulationCount(), 0u);
    }
}

}  // namespace
