#include <gtest/gtest.h>

#include <set>

#include "VoterTestWorld.h"
#include "sim/NeuralEffect.h"

namespace {

const char* kSmallFile =
    "Voter groups for the tests.\n"
    "#,_All_,Everyone,All of us,Everyone,1,0,1.0,all.dds,#\n"
    "#,Poor,Low Earners,\"Poor, and worried\",LowEarners,1,-0.2,0.3,poor.dds,#,\"Wealthy,-2\",NoComma,\"Motorist,0.25\",\"Motorist,0.9\"\n"
    "not a record line\n"
    "#,MiddleIncome,Middle,Mid,Mid,1,0,0.5,mid.dds,#\n"
    "#,Wealthy,High,Rich,Rich,1,0.1,0.2,rich.dds,#,\"Poor,-2\"\n"
    "#,Motorist,Drivers,Cars,Cars,0,0,0.6,car.dds,#\n";

using VoterTypeTest = VoterTest;

TEST_F(VoterTypeTest, LoadsRecordsWithTheirAffinitiesAndEmbeddedNeurons)
{
    auto& manager = SIM_VoterManager::Get();
    manager.LoadVoterTypes(Write("groups.csv", kSmallFile));
    ASSERT_EQ(manager.VoterTypes().size(), 5u);
    EXPECT_EQ(manager.PopulationSize(), 2000);
    EXPECT_EQ(manager.GetVoterType(5), nullptr);

    SIM_VoterType* poor = manager.GetVoterType(1);
    EXPECT_EQ(manager.PoorGroup(), poor);
    EXPECT_EQ(
        (std::vector<std::string>{poor->GetDisplayName(), poor->Description, poor->EncyclopediaPage, poor->IconImage}),
        (std::vector<std::string>{"Low Earners", "Poor, and worried", "LowEarners", "poor.dds"}));
    EXPECT_TRUE(poor->ExemptFromMembershipTest);
    EXPECT_FALSE(manager.GetVoterType(4)->ExemptFromMembershipTest);
    EXPECT_FLOAT_EQ(poor->GetBaseValue(), -0.2f);
    EXPECT_FLOAT_EQ(poor->ShareNeuron().GetBaseValue(), 0.3f);

    // The affinity without a comma is skipped; the first of two wins.
    ASSERT_EQ(poor->Affinities.size(), 3u);
    SIM_VoterType* motorist = manager.FindVoterType("Motorist");
    EXPECT_FLOAT_EQ(poor->AffinityFor(motorist), 0.25f);
    EXPECT_FLOAT_EQ(poor->AffinityFor(manager.WealthyGroup()), -2.0f);
    EXPECT_FLOAT_EQ(poor->AffinityFor(poor), 0.0f);
    EXPECT_FLOAT_EQ(motorist->AffinityFor(poor), 0.0f);

    // The data's effects reach the embedded neurons by these names.
    EXPECT_EQ(Neuron::FindNeuronQuietly("Poor_freq"), &poor->FrequencyNeuron());
    EXPECT_EQ(Neuron::FindNeuronQuietly("Poor_perc"), &poor->ShareNeuron());
    EXPECT_EQ(Diagnostics::AssertionFailures(), 0);
}

TEST_F(VoterTypeTest, ACorruptRecordStopsWithItsMessageAndLogsWhere)
{
    LogCapture log;
    std::string path = Write("bad.csv", "#,_All_,Everyone,All,All,1,0,1.0,all.dds,#\n#,Broken,Broken,x,x,0,0,0.5,b.dds,oops\n");
    try {
        SIM_VoterManager::Get().LoadVoterTypes(path);
        FAIL() << "no fatal error";
    } catch (const FatalErrorRaised& e) {
        EXPECT_EQ(e.message, "VoterType data corrupted");
    }
    EXPECT_TRUE(log.Contains(path + " line 2"));
}

TEST_F(VoterTypeTest, MissingIncomeGroupsBadSharesAndMissingFiles)
{
    auto& manager = SIM_VoterManager::Get();
    manager.LoadVoterTypes(Write("few.csv", "#,_All_,Everyone,All,All,1,0,1.5,all.dds,#\n"));
    EXPECT_EQ(Diagnostics::AssertionFailures(), 2);  // the share, the income groups
    EXPECT_EQ(manager.PoorGroup(), nullptr);
    manager.Release();
    manager.LoadVoterTypes(dir.Path() + "/absent.csv");
    EXPECT_TRUE(manager.VoterTypes().empty());
}

// Loading without faults is checked with the first data set; a misspelt
// affinity or a second group of one name the loader takes silently.
TEST_F(VoterTypeTest, TheShippedGroupsNameEachOtherRightly)
{
    auto& manager = SIM_VoterManager::Get();
    manager.LoadVoterTypes();
    std::set<std::string> names;
    for (SIM_VoterType* group : manager.VoterTypes()) {
        EXPECT_TRUE(names.insert(group->GetName()).second) << group->GetName();
        for (const auto& [name, value] : group->Affinities)
            EXPECT_NE(manager.FindVoterType(name), nullptr) << group->GetName() << " -> " << name;
    }
}

// --- initial memberships

TEST_F(VoterTypeTest, EverybodyJoinsAllAndSmallSharesMakeNoMembers)
{
    SIM_VoterType* all = AddGroup("_All_", 1.0f);
    SIM_VoterType* tiny = AddGroup("Tiny", 0.009f);
    SIM_VoterManager::Get().SetPopulationSize(100);
    for (int i = 0; i < 100; ++i)
        NewVoter();
    all->AddMembershipLinks();
    tiny->AddMembershipLinks();  // 0.009 * 100 rounds down to 0
    EXPECT_EQ(all->MemberCount(), 100u);
    EXPECT_EQ(tiny->MemberCount(), 0u);
    for (SIM_Voter* voter : SIM_Voter::Population())
        EXPECT_FLOAT_EQ(voter->GetMembershipWeight(all), 1.0f);
}

TEST_F(VoterTypeTest, AffinitiesSteerWhoJoinsLaterGroups)
{
    SIM_VoterType* first = AddGroup("First", 0.5f);
    SIM_VoterType* friendly = AddGroup("Friendly", 0.5f);
    SIM_VoterType* hostile = AddGroup("Hostile", 0.5f);
    first->Affinities = {{"Friendly", 2.0f}, {"Hostile", -2.0f}};
    SIM_VoterManager::Get().SetPopulationSize(200);
    for (int i = 0; i < 200; ++i)
        NewVoter();
    first->AddMembershipLinks();
    friendly->AddMembershipLinks();
    hostile->AddMembershipLinks();
    EXPECT_GE(first->MemberCount(), 100u);
    for (SIM_Voter* voter : SIM_Voter::Population()) {
        if (voter->IsMemberOf(first)) {
            EXPECT_TRUE(voter->IsMemberOf(friendly));
            EXPECT_FALSE(voter->IsMemberOf(hostile));
        }
        float weight = voter->GetMembershipWeight(friendly);
        if (voter->IsMemberOf(friendly))
            EXPECT_GT(weight, 0.5f);
        else
            EXPECT_LE(weight, 0.5f);
    }
}

// --- the group's turn

TEST_F(VoterTypeTest, TheShareNeuronCarriesTheCurrentShareThroughRecalculation)
{
    SIM_VoterType* group = AddGroup("Group", 0.75f);
    Neuron* listener = Plain("Listener");
    new NeuralEffect(&group->ShareNeuron(), listener, "0+(1.0*x)", 1.0f, 0.0f);
    auto* voter = new SIM_Voter();
    group->SetMembership(voter, 0.9f, 0.5f);
    group->AddMembershipLinks();  // without a population: no crash, and a share of 0
    group->UpdateTurn();
    EXPECT_FLOAT_EQ(group->MembershipShare(), 0.0f);
    EXPECT_FLOAT_EQ(group->ShareNeuron().GetValue(), 0.0f);

    SIM_VoterManager::Get().SetPopulationSize(4);
    group->UpdateTurn();
    EXPECT_FLOAT_EQ(group->ShareNeuron().GetValue(), 0.25f);
    EXPECT_FLOAT_EQ(group->ShareNeuron().History(0), 0.25f);
    Neuron::RecalculateAll();
    EXPECT_FLOAT_EQ(group->ShareNeuron().GetValue(), 0.25f);  // not the initial 0.75
    EXPECT_FLOAT_EQ(listener->GetValue(), 0.25f);
}

TEST_F(VoterTypeTest, TrendAndChangeFollowTheMemberCount)
{
    SIM_VoterManager::Get().SetPopulationSize(10);
    SIM_VoterType* group = AddGroup("Group");
    group->AddMember(nullptr);  // reported, and never counted
    group->RemoveMember(nullptr);
    EXPECT_EQ(Diagnostics::AssertionFailures(), 2);
    SIM_Voter* voters[] = {new SIM_Voter(), new SIM_Voter(), new SIM_Voter()};
    struct Step {
        unsigned members;
        int trend, change;
    } steps[] = {
        {3, SIM_VoterType::TREND_UNCHANGED, 0},  // nothing to compare with
        {1, SIM_VoterType::TREND_DECREASING, -2},
        {2, SIM_VoterType::TREND_INCREASING, 1},
        {2, SIM_VoterType::TREND_UNCHANGED, 0},
    };
    for (const Step& step : steps) {
        for (unsigned i = 0; i < 3; ++i) {
            if (i < step.members && !voters[i]->IsMemberOf(group))
                group->AddMember(voters[i]);
            if (i >= step.members && voters[i]->IsMemberOf(group))
                group->RemoveMember(voters[i]);
        }
        group->UpdateTurn();
        EXPECT_EQ(group->LastCount, step.members);
        EXPECT_EQ(group->Trend, step.trend) << step.members;
        EXPECT_EQ(group->Change, step.change) << step.members;
    }
}

TEST_F(VoterTypeTest, PollsCountVotesOfMembers)
{
    SIM_VoterType* group = AddGroup("Group");
    group->Poll();
    EXPECT_FLOAT_EQ(group->PollShareForPlayer, 0.0f);  // nobody: no division by zero
    EXPECT_FLOAT_EQ(group->PollTurnout, 0.0f);
    const int votes[] = {SIM_Voter::VOTE_PLAYER, SIM_Voter::VOTE_PLAYER, SIM_Voter::VOTE_OPPOSITION,
                         SIM_Voter::VOTE_ABSTAIN};
    for (int vote : votes) {
        auto* voter = new SIM_Voter();
        voter->LastVote = vote;
        group->AddMember(voter);
    }
    auto* outsider = new SIM_Voter();
    outsider->LastVote = SIM_Voter::VOTE_PLAYER;
    SIM_VoterManager::Get().PollVoterTypes();
    EXPECT_FLOAT_EQ(group->PollShareForPlayer, 2.0f / 3.0f);
    EXPECT_FLOAT_EQ(group->PollTurnout, 0.75f);
}

TEST_F(VoterTypeTest, MemberCountsStayTrueThroughChanges)
{
    // Policy popularity weighs each group by MemberCount.
    SIM_VoterManager::Get().SetPopulationSize(50);
    SIM_VoterType* group = AddGroup("Group");
    std::vector<SIM_Voter*> voters;
    for (int i = 0; i < 50; ++i) {
        voters.push_back(new SIM_Voter());
        group->SetMembership(voters.back(), 0.45f + 0.002f * static_cast<float>(i), 0.5f);
    }
    for (int turn = 0; turn < 4; ++turn) {
        group->FrequencyNeuron().SetValue(0.02f * static_cast<float>(turn) - 0.03f);
        SIM_VoterManager::Get().UpdateVoters();
        unsigned counted = 0;
        for (SIM_Voter* voter : voters)
            counted += voter->IsMemberOf(group) ? 1u : 0u;
        EXPECT_EQ(group->MemberCount(), counted);
        EXPECT_EQ(group->Members().size(), counted);
    }
    delete voters[49];
    EXPECT_EQ(group->Members().size(), group->MemberCount());
    EXPECT_FLOAT_EQ(group->MembershipShare(), static_cast<float>(group->MemberCount()) / 50.0f);
}

TEST_F(VoterTypeTest, RandomPicks)
{
    EXPECT_THROW(SIM_VoterManager::Get().RandomVoterType(), FatalErrorRaised);  // no groups at all
    SIM_VoterType* all = AddGroup("_All_");
    EXPECT_EQ(all->RandomMember(), nullptr);
    try {
        SIM_VoterManager::Get().RandomVoterType();
        FAIL() << "no fatal error";
    } catch (const FatalErrorRaised& e) {
        EXPECT_EQ(e.message, "No voter group other than _All_ to choose from");
    }
    SIM_VoterType* other = AddGroup("Other");
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(SIM_VoterManager::Get().RandomVoterType(), other);
    auto* voter = new SIM_Voter();
    all->AddMember(voter);
    EXPECT_EQ(all->RandomMember(), voter);
}

}  // namespace
