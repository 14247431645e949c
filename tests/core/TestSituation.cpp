#include <gtest/gtest.h>

#include "SimTestWorld.h"
#include "sim/SIM_Situation.h"

namespace {

class SituationTest : public SimWorldTest {
protected:
    void SetUp() override
    {
        SimWorldTest::SetUp();
        GetPolicyManager().CreateGroups();
    }

    // A situation driven one to one by the neuron "Driver".
    SIM_Situation* Driven()
    {
        driver = Plain("Driver");
        target = Plain("Target");
        std::string table = Write("situations.csv",
                                  "Comment line\n"
                                  "#,Riots,Riots,\"Angry, loud crowds\",LAWANDORDER,riots.dds,second,report,0,12,3,"
                                  "\"Driver,0+(1.0*x)\",#,\"Target,0+(1.0*x)\"\n");
        GetSituationManager().LoadSituations(table, "");
        EXPECT_EQ(GetSituationManager().Situations().size(), 1u);
        return GetSituationManager().Situations().front();
    }

    void Drive(SIM_Situation* situation, float value)
    {
        driver->SetValue(value);
        driver->Propagate();
        situation->Recalculate();
    }

    Neuron* driver = nullptr;
    Neuron* target = nullptr;
};

TEST_F(SituationTest, RecordFieldsAreRead)
{
    SIM_Situation* riots = Driven();
    EXPECT_EQ(riots->GetName(), "Riots");
    EXPECT_EQ(riots->Description(), "Angry, loud crowds");
    ASSERT_NE(riots->Group(), nullptr);
    EXPECT_EQ(riots->Group()->Name(), "LAWANDORDER");
    EXPECT_EQ(riots->Icon(), "riots.dds");
    EXPECT_EQ(riots->SecondText(), "second");
    EXPECT_EQ(riots->ReportText(), "report");
    EXPECT_FALSE(riots->IsPositive());
    EXPECT_FLOAT_EQ(riots->CostAtZero(), 12.0f);
    EXPECT_FLOAT_EQ(riots->CostAtFull(), 12.0f);
    EXPECT_FLOAT_EQ(riots->IncomeAtFull(), 3.0f);
    EXPECT_FALSE(riots->IsActive());
    ASSERT_EQ(riots->Incoming().size(), 1u);
    EXPECT_EQ(riots->Incoming()[0]->GetSource(), driver);
    ASSERT_EQ(riots->Outgoing().size(), 1u);
    EXPECT_EQ(riots->Outgoing()[0]->GetTarget(), target);
    // Never started, so loading posts nothing.
    EXPECT_TRUE(board.notices.empty());
    EXPECT_TRUE(board.removed.empty());
    EXPECT_EQ(riots->GetType(), NEURON_SITUATION);
}

TEST_F(SituationTest, StartsAtThresholdAndEndsOnlyBelowTheStopThreshold)
{
    SIM_Situation* riots = Driven();
    Drive(riots, 0.59f);
    EXPECT_FALSE(riots->IsActive()) << "0.59 is below the start threshold";

    Drive(riots, 0.6f);
    EXPECT_TRUE(riots->IsActive());
    ASSERT_EQ(board.notices.size(), 1u);
    EXPECT_EQ(board.notices[0].second, Presentation::SITUATION_STARTED);
    ASSERT_EQ(board.added.size(), 1u);
    EXPECT_EQ(board.added[0].second, riots);

    Drive(riots, 0.45f);
    EXPECT_TRUE(riots->IsActive());
    Drive(riots, 0.4f);
    EXPECT_TRUE(riots->IsActive()) << "exactly 0.4 stays on";
    EXPECT_EQ(board.notices.size(), 1u);

    Drive(riots, 0.39f);
    EXPECT_FALSE(riots->IsActive());
    ASSERT_EQ(board.notices.size(), 2u);
    EXPECT_EQ(board.notices[1].first, riots);
    EXPECT_EQ(board.notices[1].second, Presentation::SITUATION_ENDED);
    ASSERT_EQ(board.removed.size(), 1u);
    EXPECT_EQ(board.removed[0].second, riots);

    Drive(riots, 0.59f);
    EXPECT_FALSE(riots->IsActive()) << "an ended situation needs 0.6 again";
}

TEST_F(SituationTest, ASituationDeletedWhileOnTakesItsIconWithIt)
{
    SIM_Situation* riots = Driven();
    Drive(riots, 0.8f);
    ASSERT_EQ(board.added.size(), 1u);
    GetSituationManager().Release();
    ASSERT_EQ(board.removed.size(), 1u);
    EXPECT_EQ(board.removed[0], board.added[0]);

    // One that was off had no icon to take.
    board.removed.clear();
    Driven();
    GetSituationManager().Release();
    EXPECT_TRUE(board.removed.empty());
}

TEST_F(SituationTest, EffectsCountOnlyWhileOn)
{
    SIM_Situation* riots = Driven();
    Drive(riots, 0.8f);
    ASSERT_TRUE(riots->IsActive());
    EXPECT_FLOAT_EQ(target->Recalculate(), 0.8f);
    Drive(riots, 0.3f);
    ASSERT_FALSE(riots->IsActive());
    EXPECT_FLOAT_EQ(target->Recalculate(), 0.0f);
}

TEST_F(SituationTest, ValueIsKeptBetweenZeroAndOne)
{
    SIM_Situation* riots = Driven();
    riots->SetBaseValue(0.5f);
    Drive(riots, 0.8f);  // 1.3
    EXPECT_FLOAT_EQ(riots->GetValue(), 1.0f);
    riots->SetBaseValue(0.0f);
    Drive(riots, -0.2f);
    EXPECT_FLOAT_EQ(riots->GetValue(), 0.0f);
    // What it passed on was taken before the clamp to [0, 1].
    EXPECT_FLOAT_EQ(riots->Outgoing()[0]->GetTargetInput(), -0.2f);
}

TEST_F(SituationTest, ShortRecordsAndModFilesFirstLineOnly)
{
    Plain("Driver");
    std::string table = Write("situations.csv", "#,Abcdef\n#,Boom,Boom,d,ECONOMY,i,,r,1,0,0\n");
    std::string mods = dir.Path() + "/mods";
    std::filesystem::create_directory(mods);
    Write("mods/strike.txt",
          "#,Strike,Strike,d,WELFARE,i,,r,0,0,0\n#,Second,Second,d,WELFARE,i,,r,0,0,0\n"
          "#,Third,Third,d,WELFARE,i,,r,0,0,0\n");
    Write("mods/short.txt", "#,Abcdef\n#,NotFirst,x,d,WELFARE,i,,r,0,0,0\n");
    GetSituationManager().LoadSituations(table, mods + "\\*.txt");

    std::vector<std::string> names;
    for (SIM_Situation* situation : GetSituationManager().Situations())
        names.push_back(situation->GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"Boom", "Strike"}));
    EXPECT_TRUE(GetSituationManager().Situations()[0]->IsPositive());
    EXPECT_EQ(Diagnostics::AssertionFailures(), 0);
}

TEST_F(SituationTest, UnknownGroupIsAnAssertionNamingTheRecord)
{
    LogCapture log;
    std::string table = Write("situations.csv", "\n#,Fog,Fog,d,WEATHER,i,,r,0,0,0\n");
    GetSituationManager().LoadSituations(table, "");
    ASSERT_EQ(GetSituationManager().Situations().size(), 1u);
    EXPECT_EQ(GetSituationManager().Situations()[0]->Group(), nullptr);
    EXPECT_EQ(Diagnostics::AssertionFailures(), 1);
    EXPECT_TRUE(log.Contains("situations.csv line 2"));
}

TEST_F(SituationTest, InfluenceWithoutCommaIsFatalAndNamesTheLine)
{
    FatalCatcher catcher;
    LogCapture log;
    std::string table = Write("situations.csv", "#,Fog,Fog,d,WELFARE,i,,r,0,0,0,\"Driver\"\n");
    try {
        GetSituationManager().LoadSituations(table, "");
        FAIL() << "no fatal error";
    } catch (const FatalErrorRaised& error) {
        EXPECT_EQ(error.message, "missing comma");
    }
    EXPECT_TRUE(log.Contains("situations.csv line 1"));
    EXPECT_TRUE(GetSituationManager().Situations().empty());
}

TEST_F(SituationTest, RefusedDragAndFormulaAreTracedToTheirLine)
{
    FatalCatcher catcher;
    Plain("Driver");
    const std::string records[] = {
        "#,Fog,Fog,d,WELFARE,i,,r,0,0,0,\"Driver,0+(1.0*x),40\"\n",
        "#,Fog,Fog,d,WELFARE,i,,r,0,0,0,#,\"Driver,0.0000000001+(1.0000000000001*x)\"\n",
    };
    const char* messages[] = {"Invalid Inertial drag for neural effect", ""};
    for (int i = 0; i < 2; ++i) {
        LogCapture log;
        std::string table = Write("situations.csv", "comment\n" + records[i]);
        try {
            GetSituationManager().LoadSituations(table, "");
            FAIL() << "no fatal error";
        } catch (const FatalErrorRaised& error) {
            if (*messages[i]) {
                EXPECT_EQ(error.message, messages[i]);
            }
        }
        EXPECT_TRUE(log.Contains("situations.csv line 2")) << i;
    }
}

TEST_F(SituationTest, MissingSourcesAreSkippedAndReleaseEmptiesTheList)
{
    LogCapture log;
    std::string table = Write("situations.csv",
                              "#,Fog,Fog,d,WELFARE,i,,r,0,0,0,\"Nowhere,0+(1.0*x)\",\"_default_,0.3\",#,\"Gone,0+(x*1)\"\n");
    GetSituationManager().LoadSituations(table, "");
    ASSERT_EQ(GetSituationManager().Situations().size(), 1u);
    SIM_Situation* fog = GetSituationManager().Situations()[0];
    EXPECT_TRUE(log.Contains("failed to find event influence Nowhere"));
    EXPECT_TRUE(log.Contains("Failed to find Gone for Fog,"));
    EXPECT_FLOAT_EQ(fog->GetBaseValue(), 0.3f);
    EXPECT_TRUE(fog->Incoming().empty());

    GetSituationManager().Release();
    EXPECT_TRUE(GetSituationManager().Situations().empty());
    EXPECT_TRUE(log.Contains("SituationManager::Release Start"));
}

TEST_F(SituationTest, ClearingTheNetworkAlsoEmptiesTheList)
{
    Driven();
    ResetNetwork();
    EXPECT_TRUE(GetSituationManager().Situations().empty());
}

}  // namespace
