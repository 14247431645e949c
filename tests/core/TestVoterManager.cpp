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
        // The income values the simulation provides.
        Plain("_LowIncome");
        Plain("_MiddleIncome");
        Plain("_HighIncome");
    }
};

TEST_F(PopulationTest, TheShippedDataCreatesTwoThousandSoundVoters)
{
    RecordingPresentation screens;
    auto& manager = SIM_VoterManager::Get();
    size_t groups = manager.VoterTypes().size();
    manager.CreatePopulation();

    EXPECT_EQ(Diagnostics::AssertionFailures(), 0);
    ASSERT_EQ(SIM_Voter::PopulationCount(), 2000u);
    EXPECT_EQ(manager.PopulationSize(), 2000);
    EXPECT_EQ(manager.GetVoterType(0)->MemberCount(), 2000u);  // _All_
    for (SIM_Voter* voter : SIM_Voter::Population()) {
        int incomeGroups = voter->IsMemberOf(manager.PoorGroup()) + voter->IsMemberOf(manager.MiddleIncomeGroup()) +
                           voter->IsMemberOf(manager.WealthyGroup());
        ASSERT_EQ(incomeGroups, 1);
        ASSERT_EQ(voter->Incoming().size(), groups);
        ASSERT_FALSE(voter->GetDisplayName().empty());
        ASSERT_EQ(voter->LastVote, SIM_Voter::VOTE_ABSTAIN);
    }
    // Shares of the groups that are not steered by income come out as loaded.
    for (SIM_VoterType* group : manager.VoterTypes()) {
        if (group->ExemptFromMembershipTest)
            continue;
        float expected = group->ShareNeuron().GetBaseValue();
        EXPECT_NEAR(group->MembershipShare(), expected, 0.001f) << group->GetName();
    }

    // The window stays alive: a frame every 51 voters.
    EXPECT_EQ(screens.frames, 2000 / 51);
}

TEST_F(PopulationTest, TurnsRunWithoutFaultsAndTheSameSeedGivesTheSamePeople)
{
    auto& manager = SIM_VoterManager::Get();
    manager.CreatePopulation();
    std::vector<std::string> names;
    std::vector<float> incomes;
    for (SIM_Voter* voter : SIM_Voter::Population()) {
        names.push_back(voter->GetDisplayName());
        incomes.push_back(voter->Income);
    }
    SimRandom::Seed(12345);
    manager.CreatePopulation();
    size_t i = 0;
    for (SIM_Voter* voter : SIM_Voter::Population()) {
        ASSERT_EQ(voter->GetDisplayName(), names[i]);
        ASSERT_EQ(voter->Income, incomes[i]);
        ++i;
    }

    for (int turn = 0; turn < 3; ++turn) {
        Neuron::RecalculateAll();
        manager.UpdateVoters();
        manager.UpdateVoterTypes();
    }
    manager.WarmUpSympathies();
    EXPECT_EQ(Diagnostics::AssertionFailures(), 0);
}

TEST_F(PopulationTest, DeletingThePopulationLeavesTheGroupsClean)
{
    auto& manager = SIM_VoterManager::Get();
    size_t effectsBefore = NeuralEffect::Count();
    size_t neuronsBefore = Neuron::Count();
    manager.CreatePopulation();
    manager.DeleteAllVoters();
    EXPECT_TRUE(IsRunning());
    EXPECT_EQ(SIM_Voter::PopulationCount(), 0u);
    EXPECT_EQ(NeuralEffect::Count(), effectsBefore);
    EXPECT_EQ(Neuron::Count(), neuronsBefore);
    for (SIM_VoterType* group : manager.VoterTypes()) {
        EXPECT_EQ(group->MemberCount(), 0u);
        EXPECT_TRUE(group->Members().empty());
    }
    // A second population on the same groups.
    manager.CreatePopulation();
    EXPECT_EQ(manager.GetVoterType(0)->MemberCount(), 2000u);
}

TEST_F(PopulationTest, GameSetupTearsThePopulationDownWithoutLinks)
{
    CreateParties();
    auto& manager = SIM_VoterManager::Get();
    manager.CreatePopulation();
    SIM_Voter* member = SIM_Voter::Population().front();
    member->PlaySymp = 1.0f;
    member->SetValue(0.5f);
    member->UpdateSympathies(0);
    ASSERT_EQ(member->Party, PARTY_PLAYER);

    // As game setup does it: links off, release, clear, links on.
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
    auto& manager = SIM_VoterManager::Get();
    manager.CreatePopulation();
    SIM_Voter* voter = SIM_Voter::Population().front();
    voter->SetValue(0.9f);
    manager.WarmUpSympathies();
    EXPECT_NEAR(voter->PlaySymp, 0.3f, 1e-6f);
}

TEST_F(VoterTest, APopulationSizeBelowOneIsAFatalDataError)
{
    for (const char* value : {"", "0", "0.5", "-3", "none"}) {
        SetTuningValue("AIENTITIES", value);
        try {
            SIM_VoterManager::Get().CreatePopulation();
            FAIL() << "AIENTITIES=" << value;
        } catch (const FatalErrorRaised& e) {
            EXPECT_EQ(e.message, "AIENTITIES is missing or below 1 in the setup section of data/data.ini");
        }
    }
    EXPECT_EQ(SIM_Voter::PopulationCount(), 0u);
}

TEST_F(VoterTest, AnEmptyNamePoolIsAClearError)
{
    NamePool::Get().LoadNames(dir.Path() + "/absent.txt");
    try {
        SIM_VoterManager::Get().CreatePopulation();
        FAIL() << "no fatal error";
    } catch (const FatalErrorRaised& e) {
        EXPECT_NE(e.message.find("No male forenames in the name pool"), std::string::npos) << e.message;
    }
}

TEST_F(VoterTest, AShareWithoutAPopulationIsZero)
{
    SIM_VoterType* group = AddGroup("Group", 0.5f);
    group->AddMember(new SIM_Voter());
    EXPECT_FLOAT_EQ(group->MembershipShare(), 0.0f);
    group->AddMembershipLinks();
    group->UpdateTurn();
    EXPECT_FLOAT_EQ(group->ShareNeuron().GetValue(), 0.0f);
}

}  // namespace
