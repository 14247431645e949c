#include <gtest/gtest.h>

#include <cmath>

#include "VoterTestWorld.h"
#include "sim/NeuralEffect.h"

namespace {

class IncomeRule : public VoterTest {
protected:
    void SetUp() override
    {
        VoterTest::SetUp();
        AddIncomeModel();
        voter = NewVoter();
    }
    // The income group the voter settles in: 0 poor, 1 middle, 2 wealthy, -1 none.
    int Settle(float income)
    {
        voter->Income = income;
        voter->UpdateIncomeGroup();
        for (int i = 0; i < 3; ++i)
            if (voter->IsMemberOf(Group(i)))
                return i;
        return -1;
    }
    SIM_VoterType* Group(int i) const { return i == 0 ? poor : i == 1 ? middle : wealthy; }
    float Weight(int i) const { return voter->GetMembershipWeight(Group(i)); }
    SIM_Voter* voter = nullptr;
};

TEST_F(IncomeRule, ThresholdsBelongToTheHigherGroupAndWeightsPeakAtTheCentres)
{
    // P = 0.3, W = 0.7, M = 1.0: ranges [-0.36, 0.36], [0.24, 0.84], [0.56, 1.7].
    const float any = NAN;
    struct Case {
        float income;
        int group;
        float weights[3];  // NAN: not checked
    } cases[] = {
        {0.0f, 0, {1.0f, 0.0f, 0.0f}},
        {0.29f, 0, {any, any, any}},
        {0.3f, 1, {any, any, any}},
        {0.54f, 1, {0.0f, 1.0f, any}},
        {0.7f, 2, {any, any, any}},
        {0.84f, 2, {any, 0.0f, any}},  // the end of a range weighs nothing, and never below zero
        {0.8401f, 2, {any, 0.0f, any}},
        {1.13f, 2, {any, any, 1.0f}},
        {1.71f, 2, {any, any, 0.0f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.income);
        EXPECT_EQ(Settle(c.income), c.group);
        EXPECT_EQ(voter->GroupCount(), 1u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_GE(Weight(i), 0.0f);
            if (!std::isnan(c.weights[i])) {
                EXPECT_NEAR(Weight(i), c.weights[i], 1e-5f) << i;
            }
        }
    }
}

TEST_F(IncomeRule, TheDriverOfTheCurrentGroupMovesTheIncome)
{
    Settle(0.2f);  // poor
    lowIncome->SetValue(1.0f);  // doubles poor incomes
    middleIncome->SetValue(-1.0f);
    voter->Income = 0.2f;
    voter->UpdateIncomeGroup();
    EXPECT_TRUE(voter->IsMemberOf(middle));  // 0.4
    EXPECT_FALSE(voter->IsMemberOf(poor));
    voter->UpdateIncomeGroup();  // now the middle driver: 0.2 * 0 = 0
    EXPECT_TRUE(voter->IsMemberOf(poor));
}

TEST_F(IncomeRule, MissingDriversAndGroupsAreSafe)
{
    // A driver without a number moves nothing.
    middleIncome->SetValue(std::nanf(""));
    EXPECT_EQ(Settle(0.5f), 1);
    EXPECT_TRUE(std::isfinite(Weight(1)));

    // Without the income values at all (a fresh look-up finds none).
    delete lowIncome;
    delete middleIncome;
    delete highIncome;
    SIM_VoterManager::Get().ForgetIncomeDrivers();
    EXPECT_EQ(Settle(0.5f), 1);

    // Without the Wealthy group: a rich voter is in no income group.
    SIM_VoterManager::Get().DeleteAllVoters();
    voter = nullptr;
    auto& manager = SIM_VoterManager::Get();
    manager.DeleteAllVoterTypes();
    poor = AddGroup("Poor");
    middle = AddGroup("MiddleIncome");
    manager.FindIncomeGroups();
    voter = NewVoter();
    voter->Income = 0.9f;
    voter->UpdateIncomeGroup();
    EXPECT_EQ(voter->GroupCount(), 0u);
    EXPECT_TRUE(std::isfinite(voter->GetMembershipWeight(middle)));
}

TEST_F(IncomeRule, RangesWithoutWidthAreReportedAndWeighNothing)
{
    SetTuningValue("POOR_INCOME_THRESHOLD", "0");
    int before = Diagnostics::AssertionFailures();
    EXPECT_EQ(Settle(0.0f), 1);  // 0 is not below P = 0
    EXPECT_GT(Diagnostics::AssertionFailures(), before);
    EXPECT_FLOAT_EQ(Weight(0), 0.0f);
    EXPECT_TRUE(std::isfinite(Weight(1)));
}

// --- memberships and the voter's value

TEST_F(VoterTest, OnlyTheGroupsAVoterBelongsToReachIt)
{
    SIM_VoterType* a = AddGroup("GroupA");
    SIM_VoterType* b = AddGroup("GroupB");
    auto* voter = new SIM_Voter();
    a->SetMembership(voter, 0.8f, 0.5f);
    b->SetMembership(voter, 0.4f, 0.5f);  // a link, but no member
    a->SetValue(0.5f);
    b->SetValue(0.5f);

    EXPECT_TRUE(voter->IsMemberOf(a));
    EXPECT_FALSE(voter->IsMemberOf(b));
    EXPECT_FLOAT_EQ(voter->GetMembershipWeight(b), 0.4f);
    // 0.5 + 0.8 * 0.5
    EXPECT_FLOAT_EQ(voter->Recalculate(), 0.9f);
    a->SetValue(-0.5f);
    EXPECT_FLOAT_EQ(voter->Recalculate(), 0.5f - 0.4f);
    // An inactive group counts for nothing; the value stays within [-1, 1].
    a->SetActive(false);
    EXPECT_FLOAT_EQ(voter->Recalculate(), 0.5f);
    a->SetActive(true);
    a->SetValue(1.0f);
    a->SetMembership(voter, 0.9f, 0.5f);
    EXPECT_FLOAT_EQ(voter->Recalculate(), 1.0f);
}

TEST_F(VoterTest, SettingMembershipNeedsMoreThanTheThresholdAndTheTurnsTestAtLeastIt)
{
    SIM_VoterType* tested = AddGroup("Tested");
    SIM_VoterType* exempt = AddGroup("Exempt", 0.0f, true);
    auto* voter = new SIM_Voter();
    exempt->SetMembership(voter, 0.9f, 0.5f);
    tested->SetMembership(voter, 0.5f, 0.5f);
    EXPECT_FALSE(voter->IsMemberOf(tested));
    ASSERT_TRUE(voter->HasMembershipLink(tested));
    tested->SetMembership(voter, 0.51f, 0.5f);
    EXPECT_TRUE(voter->IsMemberOf(tested));
    EXPECT_EQ(tested->MemberCount(), 1u);
    EXPECT_FLOAT_EQ(voter->GetMembershipWeight(tested), 0.51f);  // the same link, new weight
    tested->SetMembership(voter, 0.4f, 0.5f);
    EXPECT_EQ(tested->MemberCount(), 0u);

    tested->FrequencyNeuron().SetValue(0.1f);  // 0.4 + 0.1 = T exactly
    voter->UpdateTurn();
    EXPECT_TRUE(voter->IsMemberOf(tested));
    tested->FrequencyNeuron().SetValue(0.0f);
    exempt->FrequencyNeuron().SetValue(-1.0f);
    voter->UpdateTurn();
    EXPECT_FALSE(voter->IsMemberOf(tested));
    EXPECT_TRUE(voter->IsMemberOf(exempt));  // never tested
}

// --- opinion, sympathy, parties

TEST_F(VoterTest, OpinionSubtractsCynicismAndTheManifestoPenalty)
{
    auto* voter = new SIM_Voter();
    voter->SetValue(0.8f);
    EXPECT_FLOAT_EQ(voter->OpinionOfGovernment(), 0.8f);
    CynicismTracker::Get().SetValue(0.2f);
    EXPECT_FLOAT_EQ(voter->OpinionOfGovernment(), 0.6f);
    EXPECT_FLOAT_EQ(voter->OpinionOfGovernment(OpinionFactors{0.2f, 0.1f}), 0.5f);
    voter->SetValue(-0.5f);
    EXPECT_FLOAT_EQ(voter->OpinionOfGovernment(), 0.0f);
}

TEST_F(VoterTest, SympathyGrowsOnOneSideOnly)
{
    CreateParties();
    auto* voter = new SIM_Voter();
    voter->OppSymp = 0.05f;
    // A happy voter's opposition sympathy decays first; rule 3 reads what rule 2
    // left, so the player's side grows in the update that empties it. And the
    // other way round, where rule 1 runs before rule 4 empties the player's side.
    struct Step {
        float opinion, opposition, player;
    } steps[] = {{0.9f, 0.03f, 0.0f}, {0.9f, 0.01f, 0.0f}, {0.9f, 0.0f, 0.03f},
                 {0.1f, 0.0f, 0.01f}, {0.1f, 0.0f, 0.0f},  {0.1f, 0.03f, 0.0f}};
    for (const Step& step : steps) {
        voter->SetValue(step.opinion);
        voter->UpdateSympathies(1);
        EXPECT_NEAR(voter->OppSymp, step.opposition, 1e-6f) << &step - steps;
        EXPECT_NEAR(voter->PlaySymp, step.player, 1e-6f) << &step - steps;
    }
}

TEST_F(VoterTest, WithoutTuningNothingMovesAndNobodyVotes)
{
    SetTuning({});
    CreateParties();
    auto* voter = new SIM_Voter();
    voter->SetValue(1.0f);
    voter->VotTend = 1.0f;
    for (int i = 0; i < 5; ++i)
        voter->UpdateSympathies(10);
    EXPECT_FLOAT_EQ(voter->OppSymp, 0.0f);
    EXPECT_FLOAT_EQ(voter->PlaySymp, 0.0f);
    EXPECT_EQ(voter->Party, PARTY_NONE);
    for (int i = 0; i < 20; ++i) {
        voter->DecideVote();
        EXPECT_EQ(voter->LastVote, SIM_Voter::VOTE_ABSTAIN);
    }
    SIM_Mission::Get().AddModule("CompulsoryVoting");
    voter->DecideVote();
    EXPECT_EQ(voter->LastVote, SIM_Voter::VOTE_PLAYER);
}

TEST_F(VoterTest, JoiningNeedsMoreThanTheThresholdAndLittleForTheOtherSide)
{
    auto* voter = new SIM_Voter();
    voter->SetValue(0.5f);  // no rule changes a sympathy
    voter->PlaySymp = 0.9f;
    voter->UpdateSympathies(1);
    EXPECT_EQ(voter->Party, PARTY_NONE) << "no party to join";
    CreateParties();
    struct Step {
        float player, opposition;
        PartyID party;
    } steps[] = {
        {0.6f, 0.0f, PARTY_NONE},  // exactly the join threshold
        {0.61f, 0.11f, PARTY_NONE},  // the other side still above 0.1
        {0.61f, 0.1f, PARTY_PLAYER},
        {0.2f, 0.1f, PARTY_PLAYER},  // a member stays at exactly the leave threshold
        {0.19f, 0.1f, PARTY_NONE},
    };
    for (const Step& step : steps) {
        voter->PlaySymp = step.player;
        voter->OppSymp = step.opposition;
        voter->UpdateSympathies(1);
        EXPECT_EQ(voter->Party, step.party) << step.player << " / " << step.opposition;
    }
    EXPECT_EQ(PartyMembers(PARTY_PLAYER), 0u);

    // Thresholds low enough that both joining rules would hold: never both.
    SetTuningValue("VOTER_OPPOSITION_JOIN_THRESHHOLD", "0.05");
    SetTuningValue("VOTER_PLAYER_JOIN_THRESHHOLD", "0.05");
    voter->OppSymp = voter->PlaySymp = 0.08f;
    voter->UpdateSympathies(1);
    EXPECT_EQ(voter->Party, PARTY_OPPOSITION);
    EXPECT_EQ(PartyMembers(PARTY_OPPOSITION), 1u);
    EXPECT_EQ(PartyMembers(PARTY_PLAYER), 0u);
    voter->OppSymp = 0.1f;  // leaving, and not joining the other side in the same update
    voter->UpdateSympathies(1);
    EXPECT_EQ(voter->Party, PARTY_NONE);
    EXPECT_EQ(PartyMembers(PARTY_OPPOSITION), 0u);
}

TEST_F(VoterTest, ApathyHalvesTheRateWithoutStoppingIt)
{
    SIM_Mission::Get().AddModule("PoliticalApathy");
    auto* voter = new SIM_Voter();
    voter->SetValue(0.9f);
    voter->UpdateSympathies(1);
    EXPECT_FLOAT_EQ(voter->PlaySymp, 0.015f);
}

// --- turnout and the vote

TEST_F(VoterTest, TurnoutFormulaAndModules)
{
    TurnoutWeights::LoadFromTuning();  // opinion 0.5, tendency 0.4, party 0.3
    CreateParties(0.5f, 1.0f);
    auto* voter = new SIM_Voter();
    voter->VotTend = 0.5f;

    voter->SetValue(0.5f);  // leans to the player: the player's pull
    EXPECT_FLOAT_EQ(voter->ComputeTurnoutChance(), 0.2f + 0.0f + 0.15f);
    voter->SetValue(0.3f);  // leans to the opposition
    EXPECT_FLOAT_EQ(voter->ComputeTurnoutChance(), 0.2f + 0.2f + 0.3f);

    SIM_Mission::Get().AddModule("PoliticalApathy");
    EXPECT_FLOAT_EQ(voter->ComputeTurnoutChance(), 0.35f);
    SIM_Mission::Get().AddModule("CompulsoryVoting");
    EXPECT_FLOAT_EQ(voter->ComputeTurnoutChance(), 1.0f);
    SIM_Mission::Get().Clear();

    voter->Party = PARTY_OPPOSITION;
    EXPECT_FLOAT_EQ(voter->ComputeTurnoutChance(), 1.0f);
    voter->Party = PARTY_NONE;
}

TEST_F(VoterTest, PartyMembersLeanToTheirPartyAndAlwaysVote)
{
    auto* voter = new SIM_Voter();
    voter->SetValue(0.9f);
    voter->Party = PARTY_OPPOSITION;
    EXPECT_FLOAT_EQ(voter->VotingPreference(), 0.49f);
    EXPECT_FALSE(voter->SupportsGovernment());
    for (int i = 0; i < 10; ++i) {
        voter->DecideVote();
        EXPECT_EQ(voter->LastVote, SIM_Voter::VOTE_OPPOSITION);
    }
    voter->SetValue(0.1f);
    voter->Party = PARTY_PLAYER;
    EXPECT_FLOAT_EQ(voter->VotingPreference(), 0.51f);
    EXPECT_TRUE(voter->SupportsGovernment());
    voter->Party = PARTY_NONE;

    // Exactly 0.5 votes for the player but does not count as support.
    SIM_Mission::Get().AddModule("CompulsoryVoting");
    voter->SetValue(0.5f);
    voter->DecideVote();
    EXPECT_EQ(voter->LastVote, SIM_Voter::VOTE_PLAYER);
    EXPECT_FALSE(voter->SupportsGovernment());
}

// --- deletion

TEST_F(VoterTest, DeletingAVoterUnlinksItEverywhereAndLeavesOthersInPlace)
{
    CreateParties();
    SIM_VoterType* a = AddGroup("GroupA");
    SIM_VoterType* b = AddGroup("GroupB");
    std::vector<SIM_Voter*> voters;
    for (int i = 0; i < 5; ++i) {
        voters.push_back(new SIM_Voter());
        a->SetMembership(voters.back(), 0.9f, 0.5f);
        b->SetMembership(voters.back(), i % 2 ? 0.9f : 0.1f, 0.5f);
    }
    voters[2]->SetValue(0.5f);
    voters[2]->PlaySymp = 1.0f;
    voters[2]->UpdateSympathies(0);
    ASSERT_EQ(voters[2]->Party, PARTY_PLAYER);

    delete voters[2];
    EXPECT_EQ(a->MemberCount(), 4u);
    EXPECT_EQ(b->MemberCount(), 2u);
    EXPECT_EQ(PartyMembers(PARTY_PLAYER), 0u);
    EXPECT_EQ(SIM_Voter::PopulationCount(), 4u);
    EXPECT_EQ(a->Members(), (std::vector<SIM_Voter*>{voters[0], voters[1], voters[3], voters[4]}));
    // The lists still work after the squeeze.
    a->RemoveMember(voters[3]);
    EXPECT_FALSE(voters[3]->IsMemberOf(a));
    EXPECT_EQ(a->Members(), (std::vector<SIM_Voter*>{voters[0], voters[1], voters[4]}));
}

TEST_F(VoterTest, DeletingAGroupLeavesNoDanglingLinksInItsVoters)
{
    SIM_VoterType* a = AddGroup("GroupA");
    auto* voter = new SIM_Voter();
    a->SetMembership(voter, 0.9f, 0.5f);
    SIM_VoterManager::Get().DeleteAllVoterTypes();
    EXPECT_EQ(voter->GroupCount(), 0u);
    SIM_VoterType* b = AddGroup("GroupB");  // takes the freed index
    EXPECT_EQ(b->Index(), 0u);
    EXPECT_FALSE(voter->IsMemberOf(b));
    EXPECT_FALSE(voter->HasMembershipLink(b));
    voter->UpdateTurn();
    delete voter;
}

TEST_F(VoterTest, NamesComeFromThePool)
{
    auto* voter = new SIM_Voter();
    voter->SetPersonName(0, 1, 1);
    const NamePool& pool = NamePool::Get();
    EXPECT_EQ(voter->GetDisplayName(), pool.FemaleForenames()[0] + " " + pool.Surnames()[1]);
    voter->SetPersonName(100000, -1, 0);
    EXPECT_EQ(voter->GetDisplayName(), " ");
}

}  // namespace
