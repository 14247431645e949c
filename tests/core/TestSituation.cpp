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
        Load("Comment line\n#,Riots,Riots,\"Angry, loud crowds\",LAWANDORDER,riots.dds,second,report,0,12,3,"
             "\"Driver,0+(1.0*x)\",#,\"Target,0+(1.0*x)\"\n");
        EXPECT_EQ(GetSituationManager().Situations().size(), 1u);
        return GetSituationManager().Situations().front();
    }
    void Load(const std::string& table, const std::string& mods = "")
    {
        GetSituationManager().LoadSituations(Write("situations.csv", table), mods);
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

TEST_F(SituationTest, StartsAtThresholdAndEndsOnlyBelowTheStopThreshold)
{
    SIM_Situation* riots = Driven();
    ASSERT_NE(riots->Group(), nullptr);
    EXPECT_EQ((std::vector<std::string>{riots->Description(), riots->Group()->Name(), riots->Icon(),
                                        riots->SecondText(), riots->ReportText()}),
              (std::vector<std::string>{"Angry, loud crowds", "LAWANDORDER", "riots.dds", "second", "report"}));
    EXPECT_FALSE(riots->IsPositive());
    EXPECT_EQ((std::vector<float>{riots->CostAtZero(), riots->CostAtFull(), riots->IncomeAtFull()}),
              (std::vector<float>{12, 12, 3}));
    EXPECT_EQ(riots->Outgoing().at(0)->GetTarget(), target);
    EXPECT_TRUE(board.notices.empty()) << "never started, so loading posts nothing";

    Drive(riots, 0.59f);
    EXPECT_FALSE(riots->IsActive());
    Drive(riots, 0.6f);
    EXPECT_TRUE(riots->IsActive());
    using Notices = std::vector<std::pair<SIM_Situation*, Presentation::SituationNotice>>;
    EXPECT_EQ(board.notices, (Notices{{riots, Presentation::SITUATION_STARTED}}));
    ASSERT_EQ(board.added.size(), 1u);
    EXPECT_EQ(board.added[0].second, riots);
    EXPECT_FLOAT_EQ(target->Recalculate(), 0.6f) << "effects count while on";

    Drive(riots, 0.4f);
    EXPECT_TRUE(riots->IsActive()) << "exactly 0.4 stays on";
    EXPECT_EQ(board.notices.size(), 1u);

    Drive(riots, 0.39f);
    EXPECT_FALSE(riots->IsActive());
    EXPECT_EQ(board.notices,
              (Notices{{riots, Presentation::SITUATION_STARTED}, {riots, Presentation::SITUATION_ENDED}}));
    EXPECT_EQ(board.removed, board.added);
    EXPECT_FLOAT_EQ(target->Recalculate(), 0.0f) << "and not while off";

    Drive(riots, 0.59f);
    EXPECT_FALSE(riots->IsActive()) << "an ended situation needs 0.6 again";
}

TEST_F(SituationTest, ReleaseEmptiesTheListAndASituationOnTakesItsIcon)
{
    SIM_Situation* riots = Driven();
    Drive(riots, 0.8f);
    ASSERT_EQ(board.added.size(), 1u);
    GetSituationManager().Release();
    EXPECT_TRUE(GetSituationManager().Situations().empty());
    ASSERT_EQ(board.removed.size(), 1u);
    EXPECT_EQ(board.removed[0], board.added[0]);

    // One that was off had no icon to take.
    board.removed.clear();
    Driven();
    GetSituationManager().Release();
    EXPECT_TRUE(board.removed.empty());

    Driven();
    ResetNetwork();  // clearing the network empties the list too
    EXPECT_TRUE(GetSituationManager().Situations().empty());
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

TEST_F(SituationTest, ShortRecordsModFilesFirstLineOnlyAndMissingSourcesSkipped)
{
    Plain("Driver");
    LogCapture log;
    std::filesystem::create_directory(dir.Path() + "/mods");
    Write("mods/strike.txt",
          "#,Strike,Strike,d,WELFARE,i,,r,0,0,0\n#,Second,Second,d,WELFARE,i,,r,0,0,0\n"
          "#,Third,Third,d,WELFARE,i,,r,0,0,0\n");
    Write("mods/short.txt", "#,Abcdef\n#,NotFirst,x,d,WELFARE,i,,r,0,0,0\n");
    Load("#,Abcdef\n#,Boom,Boom,d,ECONOMY,i,,r,1,0,0\n"
         "#,Fog,Fog,d,WELFARE,i,,r,0,0,0,\"Nowhere,0+(1.0*x)\",\"_default_,0.3\",#,\"Gone,0+(x*1)\"\n",
         dir.Path() + "/mods\\*.txt");

    std::vector<std::string> names;
    for (SIM_Situation* situation : GetSituationManager().Situations())
        names.push_back(situation->GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"Boom", "Fog", "Strike"}));
    EXPECT_TRUE(GetSituationManager().Situations()[0]->IsPositive());
    EXPECT_EQ(Diagnostics::AssertionFailures(), 0);
    SIM_Situation* fog = GetSituationManager().Situations()[1];
    EXPECT_TRUE(log.Contains("failed to find event influence Nowhere"));
    EXPECT_TRUE(log.Contains("Failed to find Gone for Fog,"));
    EXPECT_FLOAT_EQ(fog->GetBaseValue(), 0.3f);
    EXPECT_TRUE(fog->Incoming().empty());
}

TEST_F(SituationTest, BadRecordsAreTracedToTheirLine)
{
    FatalCatcher catcher;
    Plain("Driver");
    struct Case {
        const char* record;
        const char* fatal;  // nullptr: an assertion, and the situation loads
    } cases[] = {
        {"#,Fog,Fog,d,WEATHER,i,,r,0,0,0\n", nullptr},  // no such group
        {"#,Fog,Fog,d,WELFARE,i,,r,0,0,0,\"Driver\"\n", "missing comma"},
        {"#,Fog,Fog,d,WELFARE,i,,r,0,0,0,\"Driver,0+(1.0*x),40\"\n", "Invalid Inertial drag for neural effect"},
        {"#,Fog,Fog,d,WELFARE,i,,r,0,0,0,#,\"Driver,0.0000000001+(1.0000000000001*x)\"\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        GetSituationManager().Release();
        Diagnostics::ResetAssertionFailures();
        LogCapture log;
        try {
            Load(std::string("comment\n") + c.record);
            EXPECT_EQ(c.fatal, nullptr) << "no fatal error";
            ASSERT_EQ(GetSituationManager().Situations().size(), 1u);
            EXPECT_EQ(GetSituationManager().Situations()[0]->Group(), nullptr);
            EXPECT_EQ(Diagnostics::AssertionFailures(), 1);
        } catch (const FatalErrorRaised& error) {
            ASSERT_NE(c.fatal, nullptr);
            if (*c.fatal) {
                EXPECT_EQ(error.message, c.fatal);
            }
            EXPECT_TRUE(GetSituationManager().Situations().empty());
        }
        EXPECT_TRUE(log.Contains("situations.csv line 2"));
    }
}

}  // namespace
