// Pressure groups, their attacks and grudges: who joins, who leaves, strength, attacks.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "VoterTestWorld.h"
#include "platform/NumberText.h"
#include "politics/SIM_AttackEvent.h"
#include "politics/SIM_Grudge.h"
#include "politics/SIM_PressureGroup.h"
#include "sim/SimulationState.h"

namespace {

class PressureGroupTest : public VoterTest {
protected:
    void SetUp() override
    {
        VoterTest::SetUp();
        SetTuningValue("PRESSUREGROUP_JOIN_THROTTLE", "0.6");
        farmers = AddGroup("Farmer");
        Write("PressureGroups.csv", "#,Guild,Farmers' Guild,0.5,0.5,0.4,0.6,1,a,b,c,\"Farmer,2\"\n");
        SIM_PressureGroup::LoadPressureGroups(dir.Path() + "/PressureGroups.csv");
        guild = SIM_PressureGroup::All().at(0);
        guild->Recruiting = true;
    }
    void TearDown() override
    {
        SIM_PressureGroup::DeleteAllPressureGroups();
        VoterTest::TearDown();
    }
    SIM_Voter* Voter(float membership, float militancy)
    {
        auto* voter = new SIM_Voter();
        farmers->SetMembership(voter, membership);
        voter->Militancy = militancy;
        return voter;
    }
    SIM_VoterType* farmers = nullptr;
    SIM_PressureGroup* guild = nullptr;
};

// Leaving takes a member's place from the list's end: every order of leaving
// must still leave the right members, each able to leave in turn.
TEST_F(PressureGroupTest, MembersLeaveInAnyOrder)
{
    const std::vector<std::vector<int>> orders = {{0, 1, 2, 3}, {3, 2, 1, 0}, {1, 3, 0, 2}, {2, 0, 3, 1}};
    for (const std::vector<int>& order : orders) {
        std::vector<SIM_Voter*> voters;
        for (int i = 0; i < 4; ++i) {
            voters.push_back(Voter(0.5f, 0.7f));
            guild->AddMember(voters.back());
        }
        guild->AddMember(voters[0]);
        ASSERT_EQ(guild->MemberCount(), 4u) << "a member joins once";
        const float strength = guild->Strength;
        for (size_t left = 0; left < order.size(); ++left) {
            guild->RemoveMember(voters[static_cast<size_t>(order[left])]);
            for (size_t i = 0; i <= left; ++i)
                EXPECT_FALSE(voters[static_cast<size_t>(order[i])]->IsMemberOfPressureGroup(guild));
            for (size_t i = left + 1; i < order.size(); ++i) {
                SIM_Voter* stays = voters[static_cast<size_t>(order[i])];
                EXPECT_TRUE(stays->IsMemberOfPressureGroup(guild));
                EXPECT_EQ(guild->Members.at(stays->PressureSlot(guild)), stays);
            }
            EXPECT_EQ(guild->MemberCount(), order.size() - left - 1);
        }
        guild->RemoveMember(voters[0]);
        EXPECT_EQ(guild->Strength, strength - 4.0f) << "a voter that is no member costs nothing";
        for (SIM_Voter* voter : voters)
            delete voter;
    }
}

TEST_F(PressureGroupTest, JoinsBelowTheJoinBarAndAboveTheMilitancyBarAndLeavesAboveTheLeaveBar)
{
    struct Case {
        float membership, militancy, opinion;
        bool member;  // before
        bool after;
    } cases[] = {
        {0.5f, 0.7f, 0.3f, false, true},   // 2 x 0.5 > 0.6, militant, unhappy
        {0.5f, 0.6f, 0.3f, false, true},   // the militancy bar itself is enough
        {0.5f, 0.59f, 0.3f, false, false}, // not militant enough
        {0.5f, 0.7f, 0.4f, false, false},  // not unhappy enough
        {0.3f, 0.7f, 0.3f, false, false},  // 2 x 0.3 is not above the throttle
        {0.5f, 0.7f, 0.5f, true, true},    // at the leave bar: stays
        {0.5f, 0.7f, 0.51f, true, false},  // above it: leaves
        {0.2f, 0.7f, 0.3f, true, false},   // no longer eligible: leaves
    };
    for (const Case& c : cases) {
        SIM_Voter* voter = Voter(c.membership, c.militancy);
        voter->SetValue(c.opinion);
        if (c.member)
            guild->AddMember(voter);
        SIM_PressureGroup::UpdateVoter(*voter, voter->OpinionOfGovernment());
        EXPECT_EQ(voter->IsMemberOfPressureGroup(guild), c.after) << c.membership << " " << c.militancy << " " << c.opinion;
        delete voter;
    }
    EXPECT_EQ(guild->MemberCount(), 0u);
}

TEST_F(PressureGroupTest, StrengthGrowsToFourPerMemberAndALeaverCostsOne)
{
    for (int i = 0; i < 10; ++i)
        guild->AddMember(Voter(0.5f, 1.0f));
    for (int turn = 0; turn < 5; ++turn)
        guild->UpdateTurn();
    EXPECT_FLOAT_EQ(guild->Strength, 40.0f);
    guild->RemoveMember(guild->Members.front());
    EXPECT_FLOAT_EQ(guild->Strength, 39.0f);
}

TEST_F(PressureGroupTest, AnAttackCostsStrengthWaitsFourTurnsAndSucceedsOnlyPastSecurity)
{
    std::filesystem::create_directories(dir.Path() + "/attacks");
    Write("attacks/Blockade.txt", "[config]\nName=Blockade\nUsedBy=Guild\nCost=5\nMinStrength=8\nMinSize=1\n"
                                  "SuccessChance=1\nOnSuccess=CreateGrudge(Blockade,Farmer,-0.1,0.5)\n");
    SIM_AttackEvent::LoadAttacks(dir.Path() + "/attacks");
    SIM_AttackEvent* attack = SIM_AttackEvent::All().at(0);
    for (int i = 0; i < 3; ++i)
        guild->AddMember(Voter(0.5f, 1.0f));
    guild->Strength = 10.0f;
    SimulationState::Get().SetTurnNumber(10);
    EXPECT_TRUE(attack->CanLaunch(*guild, 10));
    SIM_PressureGroup::UpdatePressureGroups();
    EXPECT_FLOAT_EQ(guild->Strength, 4.0f * 3 - 5.0f);  // capped at four per member, then the cost
    EXPECT_EQ(attack->LastTrigger, 10);
    EXPECT_FALSE(attack->CanLaunch(*guild, 13));
    EXPECT_EQ(SIM_Grudge::All().size(), 1u);  // no security: the attack succeeded
    Plain("_security_", 1.0f);
    int successes = 0;
    for (int i = 0; i < 1000; ++i)
        successes += attack->Attempt(20) ? 1 : 0;
    EXPECT_NEAR(successes, 100, 40);  // foiled nine times in ten
}

TEST_F(PressureGroupTest, BadRecordsAreDataErrorsAndAZeroDivisorDividesNothing)
{
    for (const char* record : {"#,Lonely,Lonely,0.5,0.5,0.4,0.6,1,a,b,c\n", "#,Odd,Odd,0.5,0.5,0.4,0.6,1,a,b,c,\"Nobody,1\"\n"}) {
        Write("Bad.csv", std::string("A comment\n") + record);
        FatalCatcher catcher;
        try {
            SIM_PressureGroup::LoadPressureGroups(dir.Path() + "/Bad.csv");
            ADD_FAILURE() << record;
        } catch (const FatalErrorRaised& error) {
            EXPECT_NE(error.line.find("Bad.csv:2:"), std::string::npos) << error.line;
        }
    }
    SIM_PressureGroup::LoadPressureGroups(dir.Path() + "/PressureGroups.csv");
    guild = SIM_PressureGroup::All().at(0);
    for (int i = 0; i < 5; ++i)
        guild->AddMember(Voter(0.5f, 1.0f));
    SetTuningValue("PRESSUREGROUP_DIVISOR", "0");
    // Counted in single people rather than divided by zero.
    const double people = std::trunc(5 * static_cast<double>(SIM_Mission::Get().PopulationPerVoter()));
    EXPECT_EQ(guild->DisplayedMembership(), NumberText::FormatInt(static_cast<long long>(people)));
}

TEST_F(PressureGroupTest, AGrudgeWithoutATargetMakesNothingAndSaysSo)
{
    LogCapture log;
    EXPECT_EQ(SIM_Grudge::CreateGrudge("Nobody's", "Nowhere", 0.5f, 0.5f), nullptr);
    EXPECT_TRUE(SIM_Grudge::All().empty());
    EXPECT_TRUE(log.Contains("Nowhere"));
    SIM_Grudge* inertial = SIM_Grudge::CreateInertialGrudge("Farmer", "Farmer", 0.5f, 1.0f, 3.7f);
    ASSERT_NE(inertial, nullptr);
    EXPECT_EQ(inertial->Inertia(), 3);
    SIM_Grudge::UpdateGrudges();
    EXPECT_FLOAT_EQ(inertial->GetValue(), 0.5f);  // decay 1: lives on
}

TEST_F(PressureGroupTest, APolicyThatHurtsAGroupBadlyEarnsAGrudgeRenewedWhileItHurts)
{
    struct FakePolicy : Neuron {
        FakePolicy() { SetType(NEURON_POLICY); }
    };
    auto* policy = new FakePolicy();
    policy->SetName("FarmTax");
    auto* hurt = new NeuralEffect(policy, farmers, "0-(0.7*x)", 1.0f, 1.0f);
    hurt->ComputeOutput();
    farmers->UpdateTurn();
    EXPECT_EQ(SIM_Grudge::FindGrudge(farmers, "FarmTax"), nullptr);  // -0.7 is not below -0.7
    hurt->SetTargetInput(1.1f);
    hurt->ComputeOutput();
    farmers->UpdateTurn();
    SIM_Grudge* grudge = SIM_Grudge::FindGrudge(farmers, "FarmTax");
    ASSERT_NE(grudge, nullptr);
    SIM_Grudge::UpdateGrudges();
    farmers->UpdateTurn();
    EXPECT_FLOAT_EQ(grudge->GetValue(), -0.1f);  // renewed, not a second grudge
    EXPECT_EQ(SIM_Grudge::All().size(), 1u);
}

}  // namespace

TEST_F(PressureGroupTest, DeletingThePopulationEmptiesThePartiesAndPressureGroupsAtOnce)
{
    CreateParties();
    SIM_Voter* voter = Voter(0.9f, 1.0f);
    voter->SetValue(0.5f);
    voter->PlaySymp = 1.0f;
    voter->UpdateSympathies(0);
    ASSERT_EQ(voter->Party, PARTY_PLAYER);
    guild->AddMember(voter);
    SIM_VoterManager::Get().DeleteAllVoters();
    EXPECT_EQ(PartyMembers(PARTY_PLAYER), 0u);
    EXPECT_EQ(guild->MemberCount(), 0u);
    EXPECT_EQ(farmers->MemberCount(), 0u);
    EXPECT_EQ(SIM_Voter::PopulationCount(), 0u);
}
