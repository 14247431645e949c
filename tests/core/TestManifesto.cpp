// Pledges, cynicism, achievements, the profile and the difficulty streak.
#include <gtest/gtest.h>

#include "VoterTestWorld.h"
#include "gamedata/Difficulty.h"
#include "gamedata/Options.h"
#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"
#include "politics/AchievementList.h"
#include "politics/CynicismTracker.h"
#include "politics/ElectionManager.h"
#include "politics/OpinionInputs.h"
#include "politics/SIM_Manifesto.h"
#include "sim/Calendar.h"

namespace {

class ManifestoTest : public VoterTest {
protected:
    void SetUp() override
    {
        VoterTest::SetUp();
        SetTuningValue("MANIFESTO_BROKEN_PENALTY", "0.1");
        Write("manifesto.csv", "Pledges\n#,More,Subject,0.1,>\n#,Much,Subject,0.5,>\n#,Less,Subject,-0.2,<\n#,Scrap,Subject,0,!\n");
        SIM_Manifesto::Get().LoadPledgeTypes(dir.Path() + "/manifesto.csv");
        subject = Plain("Subject");
    }
    const SIM_Manifesto::PledgeType& Type(const char* name) { return *SIM_Manifesto::Get().FindPledgeType(name); }
    Neuron* subject = nullptr;
};

TEST_F(ManifestoTest, EachKindOfPledgeIsKeptOnItsSideOfTheTarget)
{
    struct Case {
        const char* pledge;
        float initial, now;
        bool active, kept;
    } cases[] = {
        {"More", 0.5f, 0.55f, true, true},  {"More", 0.5f, 0.549f, true, false},
        {"Much", 0.8f, 0.99f, true, false}, {"Much", 0.8f, 1.0f, true, true},  // target clamped to 1
        {"Less", 0.5f, 0.4f, true, true},   {"Less", 0.5f, 0.41f, true, false},
        {"Scrap", 0.5f, 0.5f, false, true}, {"Scrap", 0.5f, 0.5f, true, false},
    };
    for (const Case& c : cases) {
        SIM_Manifesto::Pledge pledge{&Type(c.pledge), c.initial};
        subject->SetValue(c.now);
        subject->SetActive(c.active);
        EXPECT_EQ(SIM_Manifesto::Get().IsKept(pledge), c.kept) << c.pledge << " " << c.initial << " " << c.now;
    }
}

TEST_F(ManifestoTest, ABrokenPledgeCostsOpinionOnlyInForceAndInTheLastNineMonths)
{
    SIM_Manifesto& manifesto = SIM_Manifesto::Get();
    subject->SetValue(0.5f);
    ASSERT_TRUE(manifesto.ChoosePledge(Type("More")));
    subject->SetValue(0.3f);
    manifesto.CheckPledges();
    EXPECT_TRUE(manifesto.AllKept());  // chosen, not yet in force
    manifesto.StartTerm();
    manifesto.CheckPledges();
    EXPECT_FALSE(manifesto.AllKept());
    Calendar::Get().Set(0, 0);
    for (int months : {10, 9}) {
        ElectionManager::Get().SetNextElection(months, 0);
        EXPECT_FLOAT_EQ(OpinionFactors::Take().manifestoPenalty, months < 10 ? 0.1f : 0.0f) << months;
    }
}

TEST_F(ManifestoTest, CynicismRisesByDifficultyForLateTaxCutsAndDecaysTwoPercentATurn)
{
    CynicismTracker& cynicism = CynicismTracker::Get();
    Options::Get().Section().LoadFromText("options", "[options]\nDIFFICULTY=0.5\nCYNICISM=0.5\n");
    cynicism.SetValue(1.0f);
    for (int turn = 0; turn < 3; ++turn)
        cynicism.UpdateTurn();
    EXPECT_NEAR(cynicism.GetValue(), 0.98f * 0.98f * 0.98f, 1e-6f);  // no taxes: decay only
    Calendar::Get().Set(0, 0);
    ElectionManager::Get().SetNextElection(6, 0);  // inside the pre-election window
    cynicism.SetValue(0.0f);
    cynicism.OnPolicyCancelled("IncomeTax");
    EXPECT_NEAR(cynicism.GetValue(), 0.5f * 0.18f, 1e-6f);
    ElectionManager::Get().SetNextElection(9, 0);
    cynicism.OnPolicyCancelled("IncomeTax");
    EXPECT_NEAR(cynicism.GetValue(), 0.5f * 0.18f, 1e-6f);  // nine months: outside
    Options::Get().Load();
}

TEST_F(ManifestoTest, TheProfileRoundTripsAndAFailedWriteKeepsTheOldOne)
{
    UserFolders::Get().SetBaseFolder(dir.Path());
    UserFolders::Get().Create();
    SIM_Mission::Get().SetFile("data/missions/velmora.txt");
    Write("ach.csv", "#,Calm,a,b,c,d,\"Subject,<,0.5\"\n#,Busy,a,b,c,d,\"Subject,>,0.2\"\n");
    AchievementList& list = AchievementList::Get();
    list.LoadAchievements(dir.Path() + "/ach.csv");
    list.LoadProfile();
    subject->SetValue(0.3f);  // both hold: one a turn, in file order
    EXPECT_EQ(list.CheckAchievements()->Id, "Calm");
    EXPECT_EQ(list.CheckAchievements()->Id, "Busy");
    EXPECT_EQ(list.CheckAchievements(), nullptr);
    for (int i = 0; i < 3; ++i)
        list.RecordLoss();
    EXPECT_FLOAT_EQ(Difficulty::WithStreak(0.5f, list.ConsecutiveWins(), list.ConsecutiveLosses()), 0.4f);
    std::string saved;
    ASSERT_TRUE(PlatformFiles::ReadFile(AchievementList::ProfilePath(), saved));
    {
        FileSizeLimit diskFull(4);
        list.RecordWin();  // cannot be written
    }
    std::string after;
    ASSERT_TRUE(PlatformFiles::ReadFile(AchievementList::ProfilePath(), after));
    EXPECT_EQ(after, saved);
    list.LoadProfile();
    EXPECT_EQ(list.ConsecutiveLosses(), 3);
    EXPECT_TRUE(list.Achievements()[0].Achieved && list.Achievements()[1].Achieved);
    EXPECT_FLOAT_EQ(Difficulty::WithStreak(0.95f, 3, 0), 1.0f);
    SIM_Mission::Get().SetFile("");
    list.LoadProfile();  // no mission: no streak for the tests after this one
    list.DeleteAllAchievements();
}

}  // namespace
