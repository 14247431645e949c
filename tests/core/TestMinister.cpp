#include <gtest/gtest.h>

#include <set>

#include "SimTestWorld.h"
#include "gamedata/NamePool.h"
#include "gamedata/SIM_EventManager.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gamedata/SetupSection.h"
#include "politics/SIM_Cabinet.h"
#include "politics/SIM_Grudge.h"
#include "politics/SIM_Minister.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "sim/SimRandom.h"
#include "sim/SimulationState.h"

namespace {

class MinisterTest : public SimWorldTest {
protected:
    void SetUp() override
    {
        SimWorldTest::SetUp();
        Tune("MINISTER_VOTER_BOOST=0.05\n");
        for (const char* name : {"_All_", "Poor", "Wealthy", "Retired"}) {
            auto* group = new SIM_VoterType();
            group->SetNames(name, name);
            SIM_VoterManager::Get().AdoptVoterType(group);
        }
        GetPolicyManager().CreateGroups();
        NamePool::Get().LoadNames(Write("names.txt", "[maleforenames]\nAldo\nBram\n[femaleforenames]\nCara\n"
                                                     "[surnames]\nDunn\nElm\nFarr\nGale\nHolt\n"));
        SimRandom::Seed(7);
        SimulationState::Get().SetTurnNumber(10);
    }
    void TearDown() override
    {
        SIM_Cabinet::Get().Release();
        SIM_EventManager::Get().Release();
        SIM_IssuesManager::Get().Release();
        SetupSection::Load();
        SimulationState::Get().SetTurnNumber(0);
        SimWorldTest::TearDown();
    }
    void Tune(const std::string& lines)
    {
        SetupSection::Load(Write("data.ini", "[setup]\nMINISTER_RESIGN_THRESHHOLD=0.3\nPOLITICAL_CAPITAL_PER_MINISTER=10\n"
                                             "FIRE_MINISTER_POINTS_NEEDED=5\n" + lines));
    }
    SIM_PolicyGroup* Ministry(int i) { return GetPolicyManager().Group(i); }
    SIM_Cabinet& cabinet = SIM_Cabinet::Get();
};

TEST_F(MinisterTest, TheCabinetIsFilledByBestSuitabilityWithUniqueNames)
{
    cabinet.CreateInitialPool();
    cabinet.FillCabinet();
    ASSERT_EQ(cabinet.Pool().size(), 10u);
    std::set<std::string> names;
    for (SIM_Minister* minister : cabinet.Pool()) {
        names.insert(minister->FullName());
        EXPECT_NE(minister->Sympathy1(), minister->Sympathy2());
        EXPECT_NE(minister->Portrait(), "");
    }
    EXPECT_EQ(names.size(), 10u);
    for (int i = 0; i < 7; ++i) {
        SIM_Minister* holder = cabinet.MinisterOf(Ministry(i));
        ASSERT_NE(holder, nullptr);
        // Nobody left free was better suited when the post was filled in order.
        for (SIM_Minister* other : cabinet.Pool()) {
            if (!other->IsInOffice()) {
                EXPECT_LE(other->SuitabilityFor(i), holder->SuitabilityFor(i));
            }
        }
        EXPECT_NE(SIM_Grudge::FindGrudge(holder->Sympathy1(), holder->GetName()), nullptr);
    }
}

TEST_F(MinisterTest, EmptyNameListsHaveAFallbackAndStayUnique)
{
    NamePool::Get().Clear();
    for (int i = 0; i < 4; ++i)
        cabinet.CreateMinister();
    std::set<std::string> names;
    for (SIM_Minister* minister : cabinet.Pool())
        names.insert(minister->FullName());
    EXPECT_EQ(names.size(), 4u);
}

TEST_F(MinisterTest, PreferredJobsAndTheMinisterialFactor)
{
    SIM_Minister* minister = cabinet.CreateMinister();
    minister->SetSuitabilities({0.2f, 0.9f, 0.9f, 0.1f, 1.0f, 0.0f, 0.3f});
    EXPECT_EQ(minister->PreferredJobs(), (std::array<int, 3>{4, 1, 2}));
    EXPECT_FLOAT_EQ(Ministry(4)->MinisterialFactor(), 0.5f);
    minister->SetExperience(1.0f);
    cabinet.Appoint(minister, Ministry(4));
    EXPECT_FLOAT_EQ(Ministry(4)->MinisterialFactor(), 1.0f);
}

TEST_F(MinisterTest, LoyaltyMovesOnlyPastItsThresholds)
{
    Tune("MINISTER_LOYALTY_GAIN_THRESHHOLD=0.6\nMINISTER_LOYALTY_DROP_THRESHHOLD=0.4\n"
         "MINISTER_LOYALTY_GAINRATE=0.1\nMINISTER_LOYALTY_DROP_RATE=0.1\nMINISTER_EXPERIENCE_RATE=0.5\n");
    struct Case {
        float value;
        float loyalty;
    } cases[] = {{0.61f, 0.7f}, {0.6f, 0.5f}, {0.4f, 0.5f}, {0.39f, 0.3f}};
    SIM_Minister* minister = cabinet.CreateMinister();
    minister->SetVolatility(2.0f);
    for (const Case& c : cases) {
        minister->SetLoyalty(0.5f);
        minister->SetExperience(0.8f);
        minister->SetValue(c.value);
        minister->LoyaltyStep();
        EXPECT_NEAR(minister->Loyalty(), c.loyalty, 1e-6f) << c.value;
        EXPECT_FLOAT_EQ(minister->Experience(), 1.0f);
    }
}

TEST_F(MinisterTest, CapitalYieldAndItsCap)
{
    SIM_Minister* minister = cabinet.CreateMinister();
    struct Case {
        float loyalty;
        int points;
    } cases[] = {{0.5f, 2}, {0.9f, 6}, {0.0f, 2}, {1.0f, 7}};
    EXPECT_EQ(SIM_Cabinet::CapitalYield(*minister), 0);  // out of office
    cabinet.Appoint(minister, Ministry(0));
    for (const Case& c : cases) {
        minister->SetLoyalty(c.loyalty);
        EXPECT_EQ(SIM_Cabinet::CapitalYield(*minister), c.points) << c.loyalty;
    }
    for (int i = 0; i < 5; ++i)
        cabinet.TurnCapital();
    EXPECT_EQ(GetPoliticalCapital().Available(), 21);
    GetPoliticalCapital().SpendCapital(30);
    EXPECT_EQ(GetPoliticalCapital().Available(), 0);
}

TEST_F(MinisterTest, FiringNeedsCapitalAndLeavesNothingPointingAtTheMinister)
{
    SIM_Minister* minister = cabinet.CreateMinister();
    cabinet.Appoint(minister, Ministry(2));
    SIM_IssuesManager::Get().Add(minister, ISSUE_MINISTER_LOYALTY);
    GetPoliticalCapital().SetAvailable(4);
    EXPECT_FALSE(cabinet.Fire(minister));
    EXPECT_EQ(cabinet.MinisterOf(Ministry(2)), minister);

    GetPoliticalCapital().SetAvailable(5);
    const size_t grudgesBefore = SIM_Grudge::All().size();
    ASSERT_TRUE(cabinet.Fire(minister));
    EXPECT_EQ(GetPoliticalCapital().Available(), 5);  // firing itself costs nothing
    EXPECT_EQ(Ministry(2)->Minister(), nullptr);
    EXPECT_TRUE(cabinet.Pool().empty());
    EXPECT_EQ(SIM_IssuesManager::Get().Count(), 0u);
    // The two boosts went; the script's grudge on everyone came.
    EXPECT_EQ(SIM_Grudge::All().size(), grudgesBefore - 2 + 1);
}

TEST_F(MinisterTest, ABoostThatFadedIsNotFreedAgainWhenTheMinisterLeaves)
{
    Tune("MINISTER_VOTER_BOOST=0.001\n");
    SIM_Minister* minister = cabinet.CreateMinister();
    cabinet.Appoint(minister, Ministry(1));
    EXPECT_EQ(SIM_Grudge::All().size(), 2u);
    SIM_Grudge::UpdateGrudges();
    EXPECT_TRUE(SIM_Grudge::All().empty());
    cabinet.Appoint(minister, nullptr);  // would be a double delete with kept pointers
    cabinet.Appoint(minister, Ministry(1));
    EXPECT_EQ(SIM_Grudge::All().size(), 2u);
}

TEST_F(MinisterTest, OfTwoDecidingToResignExactlyOneGoesAndIsDeletedNextTurn)
{
    Tune("MINISTER_RESIGN_CHANCE=1.1\nMINISTER_LOW_LOYALTY=0.35\n");
    SIM_Minister* first = cabinet.CreateMinister();
    SIM_Minister* second = cabinet.CreateMinister();
    for (int i = 0; i < 5; ++i)
        cabinet.CreateMinister();  // enough free ones: no replenishing
    cabinet.Appoint(first, Ministry(0));
    cabinet.Appoint(second, Ministry(1));
    first->SetLoyalty(0.1f);
    second->SetLoyalty(0.1f);
    cabinet.UpdateMinisters();
    ASSERT_EQ(cabinet.Resigned().size(), 1u);
    EXPECT_EQ(cabinet.Pool().size(), 6u);
    EXPECT_EQ(SIM_IssuesManager::Get().Count(), 1u);  // the resignation event
    EXPECT_EQ(SIM_EventManager::Get().Events().size(), 1u);

    Tune("MINISTER_RESIGN_CHANCE=0\nMINISTER_LOW_LOYALTY=0.35\n");
    SIM_IssuesManager::Get().Release();
    cabinet.UpdateMinisters();
    EXPECT_TRUE(cabinet.Resigned().empty());
    // The one who stayed is warned of his low loyalty instead.
    EXPECT_EQ(SIM_IssuesManager::Get().Count(), 1u);
    EXPECT_EQ(SIM_IssuesManager::Get().At(0).kind, ISSUE_MINISTER_LOYALTY);
}

}  // namespace
