// The flat store of the voters' ties to their groups, and the group rules
// that walk it.
#include <gtest/gtest.h>

#include "VoterTestWorld.h"
#include "politics/VoterGroupLinks.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"

TEST_F(VoterTest, ALinkAndAMembershipAreSeparateAndAGroupAddedLaterCoversEveryVoter)
{
    VoterGroupLinks& links = VoterGroupLinks::Get();
    SIM_Voter* first = NewVoter();
    SIM_Voter* second = NewVoter();
    SIM_VoterType* late = AddGroup("Late");  // a column the voters did not have
    EXPECT_FALSE(first->HasMembershipLink(late));
    EXPECT_FALSE(second->IsMemberOf(late));
    EXPECT_EQ(first->GetMembershipWeight(late), 0.0f);

    // A member without a link: counted as a member, adds nothing to the value.
    late->AddMember(first);
    late->SetValue(1.0f);
    EXPECT_TRUE(first->IsMemberOf(late));
    EXPECT_FALSE(first->HasMembershipLink(late));
    EXPECT_FLOAT_EQ(first->Recalculate(), 0.5f);
    // A new weight keeps the membership; a removal keeps the weight.
    first->SetMembershipWeight(late, 0.25f);
    EXPECT_TRUE(first->IsMemberOf(late));
    EXPECT_FLOAT_EQ(first->Recalculate(), 0.75f);
    late->RemoveMember(first);
    EXPECT_FLOAT_EQ(first->GetMembershipWeight(late), 0.25f);
    EXPECT_FLOAT_EQ(first->Recalculate(), 0.5f);
    EXPECT_EQ(links.LiveRows(), 2u);
}

TEST_F(VoterTest, TheLastVoterGoneTheRowsStartAgain)
{
    VoterGroupLinks& links = VoterGroupLinks::Get();
    SIM_VoterType* group = AddGroup("Group");
    SIM_Voter* voter = NewVoter();
    group->SetMembership(voter, 0.9f, 0.5f);
    SIM_VoterManager::Get().DeleteAllVoters();
    EXPECT_EQ(links.LiveRows(), 0u);
    SIM_Voter* next = new SIM_Voter();
    EXPECT_EQ(next->Row(), 0u);
    EXPECT_FALSE(next->HasMembershipLink(group));
    EXPECT_FALSE(next->IsMemberOf(group));
}

TEST_F(VoterTest, SetUpTakesTheMostStronglyPulledVotersFirst)
{
    // Members of "Source" are pulled so strongly into "Pulled" that the pull,
    // not the draw, decides; the two groups' shares make the pulled exactly
    // the sources.
    SIM_VoterType* source = AddGroup("Source", 0.3f);
    SIM_VoterType* pulled = AddGroup("Pulled", 0.3f);
    source->Affinities = {{"Pulled", 10.0f}};
    SIM_VoterManager::Get().SetPopulationSize(10);
    for (int i = 0; i < 10; ++i)
        NewVoter();
    const auto& voters = SIM_Voter::Population();
    for (int i : {2, 5, 7})
        source->SetMembership(voters[i], 0.9f, 0.5f);
    pulled->AddMembershipLinks();
    EXPECT_EQ(pulled->MemberCount(), 3u);
    for (int i : {2, 5, 7})
        EXPECT_TRUE(voters[i]->IsMemberOf(pulled)) << i;
}

TEST_F(VoterTest, TheNetworksPassEndsWithTheVotersSeeingTheirGroupsNewValues)
{
    SIM_VoterType* group = AddGroup("Group");
    Neuron* driver = Plain("Driver", 0.0f);
    new NeuralEffect(driver, group, "0+(1.0*x)", 1.0f, 0.0f);
    SIM_Voter* member = NewVoter();
    SIM_Voter* outsider = NewVoter();
    group->SetMembership(member, 0.8f, 0.5f);
    group->SetMembership(outsider, 0.4f, 0.5f);
    driver->SetBaseValue(0.5f);
    Neuron::OrderNetwork();
    Neuron::RecalculateAll();
    // The group moved to 0.5 in this very pass, and its member with it.
    EXPECT_FLOAT_EQ(group->GetValue(), 0.5f);
    EXPECT_FLOAT_EQ(member->GetValue(), 0.5f + 0.8f * 0.5f);
    EXPECT_FLOAT_EQ(outsider->GetValue(), 0.5f);
    // A voter's own recalculation agrees with the population's pass.
    EXPECT_EQ(member->Recalculate(), 0.5f + 0.8f * 0.5f);
}
