#include <gtest/gtest.h>

#include "SimTestWorld.h"
#include "sim/SIM_SimVal.h"

namespace {

class SimValTest : public SimWorldTest {
protected:
    void SetUp() override
    {
        SimWorldTest::SetUp();
        GetPolicyManager().CreateGroups();
    }

    std::string Table(const std::string& extra = "")
    {
        return Write("simulation.csv",
                     "A comment, not a record\n"
                     "#,Crime,Crime Rate,\"Theft, violence\",LAWANDORDER,0.3,-0.5,1.5,0,crime.dds,ignored,"
                     "\"Target,0+(0.5*x),3\",\"\",ab,\"Other,-0.1+(0.2*x)\"\n"
                     "#,_LowIncome,Low,d,HIDDEN,0.2,0,1,1,,0\n"
                     "#,_MiddleIncome,Middle,d,HIDDEN,0.4,0,1,1,,0\n"
                     "#,_HighIncome,High,d,HIDDEN,0.6,0,1,1,,0\n"
                     "#,Odd,Odd,d,NOSUCHGROUP,0,0,1,1,,0\n" +
                         extra);
    }
};

TEST_F(SimValTest, RecordFieldsAndIncomeValues)
{
    GetSimulation().LoadSimVals(Table());
    ASSERT_EQ(GetSimulation().SimVals().size(), 5u);
    SIM_SimVal* crime = GetSimulation().FindSimVal("Crime");
    ASSERT_NE(crime, nullptr);
    EXPECT_EQ(crime->GetType(), NEURON_SIMVAL);
    EXPECT_EQ(crime->GetDisplayName(), "Crime Rate");
    EXPECT_EQ(crime->Description(), "Theft, violence");
    EXPECT_EQ(crime->GroupName(), "LAWANDORDER");
    EXPECT_FLOAT_EQ(crime->GetBaseValue(), 0.3f);
    EXPECT_FLOAT_EQ(crime->GetValue(), 0.5f);
    EXPECT_FLOAT_EQ(crime->GraphMinimum(), -0.5f);
    EXPECT_FLOAT_EQ(crime->GraphMaximum(), 1.5f);
    EXPECT_FALSE(crime->HigherIsBetter());
    EXPECT_EQ(crime->Icon(), "crime.dds");
    // The empty field and the two-character field are skipped.
    ASSERT_EQ(crime->PendingEffects().size(), 2u);
    EXPECT_EQ(crime->PendingEffects()[0].text, "Target,0+(0.5*x),3");
    EXPECT_EQ(crime->PendingEffects()[1].text, "Other,-0.1+(0.2*x)");

    EXPECT_EQ(CSimulation::LowIncome(), GetSimulation().FindSimVal("_LowIncome"));
    EXPECT_EQ(CSimulation::MiddleIncome(), GetSimulation().FindSimVal("_MiddleIncome"));
    EXPECT_EQ(CSimulation::HighIncome(), GetSimulation().FindSimVal("_HighIncome"));
    EXPECT_EQ(Diagnostics::AssertionFailures(), 0);

    GetSimulation().Release();
    EXPECT_EQ(CSimulation::LowIncome(), nullptr);
    EXPECT_TRUE(GetSimulation().SimVals().empty());
}

TEST_F(SimValTest, MissingIncomeValuesAreAssertions)
{
    std::string table = Write("simulation.csv", "#,GDP,GDP,d,ECONOMY,0.3,0,1,1,,0\n");
    GetSimulation().LoadSimVals(table);
    EXPECT_EQ(Diagnostics::AssertionFailures(), 3);
    EXPECT_EQ(CSimulation::HighIncome(), nullptr);
}

TEST_F(SimValTest, PendingEffectsAreCreatedOnceEveryNeuronExists)
{
    GetSimulation().LoadSimVals(Table());
    Neuron* target = Plain("Target");
    Neuron* other = Plain("Other");
    GetSimulation().CreatePendingEffects();
    SIM_SimVal* crime = GetSimulation().FindSimVal("Crime");
    EXPECT_TRUE(crime->PendingEffects().empty());
    ASSERT_EQ(crime->Outgoing().size(), 2u);
    NeuralEffect* first = crime->Outgoing()[0];
    EXPECT_EQ(first->GetTarget(), target);
    EXPECT_EQ(first->GetInertialDrag(), 3u);
    EXPECT_FLOAT_EQ(first->GetInput(), 0.5f);
    EXPECT_EQ(crime->Outgoing()[1]->GetTarget(), other);
    EXPECT_EQ(crime->Outgoing()[1]->GetInertialDrag(), 0u);
}

TEST_F(SimValTest, MissingEffectTargetIsFatalAndNamesTheRecord)
{
    FatalCatcher catcher;
    GetSimulation().LoadSimVals(Table());
    Plain("Target");
    try {
        GetSimulation().CreatePendingEffects();
        FAIL() << "no fatal error";
    } catch (const FatalErrorRaised& error) {
        EXPECT_EQ(error.message, "Failed to find influence Other for Crime,");
        // The record comes first, then the fixed text.
        EXPECT_NE(error.line.find("simulation.csv:2: #,Crime,"), std::string::npos) << error.line;
    }
}

TEST_F(SimValTest, ValuesJoinTheirGroupsUnlessHidden)
{
    GetSimulation().LoadSimVals(Table());
    GetSimulation().AttachToGroups();
    SIM_SimVal* crime = GetSimulation().FindSimVal("Crime");
    ASSERT_NE(crime->Group(), nullptr);
    EXPECT_EQ(crime->Group()->Name(), "LAWANDORDER");
    EXPECT_EQ(GetSimulation().FindSimVal("_LowIncome")->Group(), nullptr);
    EXPECT_EQ(GetSimulation().FindSimVal("Odd")->Group(), nullptr);
    ASSERT_EQ(board.added.size(), 1u);
    EXPECT_EQ(board.added[0].second, crime);
    // A hidden value is still in the network.
    EXPECT_EQ(Neuron::FindNeuronQuietly("_LowIncome"), GetSimulation().FindSimVal("_LowIncome"));

    // Released values leave no icon behind on the board.
    GetSimulation().Release();
    ASSERT_EQ(board.removed.size(), 1u);
    EXPECT_EQ(board.removed[0], board.added[0]);
}

TEST_F(SimValTest, RecordsWithoutNameOrFormulaAreSkippedWithTheirLine)
{
    LogCapture log;
    GetSimulation().LoadSimVals(Table("#,,Nameless,d,HIDDEN,0,0,1,1,,0\n#\n#,Lone,Lone,d,HIDDEN,0,0,1,1,,0,\"Target\"\n"));
    EXPECT_EQ(GetSimulation().SimVals().size(), 6u);
    EXPECT_TRUE(log.Contains("simulation.csv line 7"));
    EXPECT_TRUE(log.Contains("simulation.csv line 8"));
    Plain("Target");
    Plain("Other");
    GetSimulation().CreatePendingEffects();
    EXPECT_TRUE(log.Contains("simulation.csv line 9"));
    EXPECT_TRUE(GetSimulation().FindSimVal("Lone")->Outgoing().empty());
}

}  // namespace
