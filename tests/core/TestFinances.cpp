#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "gamedata/CFinanceObject.h"
#include "gamedata/CFinances.h"
#include "gamedata/CGlobalEconomy.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SpecialNeurons.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/SimRandom.h"

namespace {

class FinancesTest : public NetworkTest {
protected:
    void SetUp() override
    {
        NetworkTest::SetUp();
        Options::Get().Section().Clear();
        Options::Get().Section().Add("INTERESTRATE", "0");
        finances = CFinances();
        finances.InitFromMission(0.0f, 1000.0f);
    }
    void TearDown() override
    {
        Options::Get().Section().Clear();
        NetworkTest::TearDown();
    }
    static void SetOption(const char* key, const char* value)
    {
        Options::Get().Section().Clear();
        Options::Get().Section().Add(key, value);
    }

    std::vector<CFinances::Item> items;
    CFinances finances;
};

TEST_F(FinancesTest, EarnPaysDebtFirstAndSpendBorrowsTheShortfall)
{
    struct Case {
        float debt, balance;
        int amount;  // earned when positive, spent when negative
        float debtAfter, balanceAfter;
    } cases[] = {{100, 0, 30, 70, 0}, {20, 0, 30, 0, 10}, {0, 10, 5, 0, 15}, {0, 5, -12, 7, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        finances.InitFromMission(c.debt, 1000.0f);
        finances.SetCurrentBalance(c.balance);
        c.amount > 0 ? finances.Earn(c.amount) : finances.Spend(-c.amount);
        EXPECT_FLOAT_EQ(finances.NationalDebt(), c.debtAfter);
        EXPECT_FLOAT_EQ(finances.CurrentBalance(), c.balanceAfter);
    }
}

TEST_F(FinancesTest, SettlementTruncatesFiguresSumsNegativeCostsAndAddsInterest)
{
    items = {{"A", 10.9f, 10.9f}};
    finances.SettleMonth(5, items);  // 10 earned, 10 spent: nothing left, nothing borrowed
    EXPECT_EQ((std::vector<float>{finances.MonthlyIncome(), finances.MonthlyExpenses(), finances.CurrentBalance(),
                                  finances.NationalDebt()}),
              (std::vector<float>{10.9f, 10.9f, 0, 0}));

    items = {{"A", 20.0f, 50.0f}, {"B", -5.0f, 0.0f}};
    finances.ComputeMonth(items);
    EXPECT_FLOAT_EQ(finances.MonthlyExpenses(), 15.0f);
    EXPECT_FLOAT_EQ(finances.Surplus(), 35.0f);
    EXPECT_FLOAT_EQ(finances.Deficit(), -35.0f);

    // INTERESTRATE 1.0 is 20 % a year: 600 of debt costs 10 a month.
    SetOption("INTERESTRATE", "1.0");
    finances.InitFromMission(600.0f, 10000.0f);
    items = {{"A", 0.0f, 0.0f}};
    finances.ComputeMonth(items);
    EXPECT_FLOAT_EQ(finances.MonthlyInterest(), 10.0f);
    EXPECT_FLOAT_EQ(finances.MonthlyExpenses(), 10.0f);
    finances.SettleMonth(5, items);
    EXPECT_FLOAT_EQ(finances.NationalDebt(), 610.0f);
}

TEST_F(FinancesTest, DebtBurdenIsAYearsIncomeAndAlwaysANumber)
{
    SpecialNeurons::Create();
    struct Case {
        float debt, income, burden;  // the debt after paying the month's income off
    } cases[] = {
        {0, 0, 0},  // no income and no debt: 0, not 0/0
        {50, 0, 1},  // debt without income is the full burden
        {150, 10, 1},  // 140 against 120 a year clamps to 1
        {70, 10, 0.5f},  // 60 against 120
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.debt);
        finances.InitFromMission(c.debt, 1000.0f);
        items = {{"Tax", 0.0f, c.income}};
        finances.SettleMonth(5, items);
        EXPECT_FLOAT_EQ(SpecialNeurons::Debt()->GetBaseValue(), c.burden);
        EXPECT_FLOAT_EQ(finances.DebtBurden(), c.burden);
    }
}

TEST_F(FinancesTest, DebtCeilingIsReachedAboveItAndNearItOnlyAfterFourSettlements)
{
    items = {};
    finances.InitFromMission(800.0f, 800.0f);  // exactly at the ceiling
    // At the ceiling means above 75 %, but not in the first four settlements.
    struct Step {
        float debt;  // set before the settlement; 0: left as it is
        int state;
    } steps[] = {{0, CFinances::DEBT_BELOW_CEILING},   {0, CFinances::DEBT_BELOW_CEILING},
                 {0, CFinances::DEBT_BELOW_CEILING},   {0, CFinances::DEBT_BELOW_CEILING},
                 {0, CFinances::DEBT_NEAR_CEILING},    {801, CFinances::DEBT_CEILING_REACHED},
                 {600, CFinances::DEBT_BELOW_CEILING}};
    for (const Step& step : steps) {
        if (step.debt > 0)
            finances.SetNationalDebt(step.debt);
        finances.SettleMonth(5, items);
        EXPECT_EQ(finances.DebtCeilingState(), step.state) << &step - steps;
    }
}

TEST_F(FinancesTest, HistoriesShiftAndTheFirstTurnFillsThemAroundTheFigures)
{
    SimRandom::Seed(7);
    items = {{"A", 100.0f, 200.0f}};
    finances.InitFromMission(1000.0f, 5000.0f);
    finances.SettleMonth(1, items);
    // Entry 0 is this settlement; the older ones lie within 2 % of it.
    EXPECT_FLOAT_EQ(finances.IncomeHistory(0), 200.0f);
    EXPECT_FLOAT_EQ(finances.ExpenditureHistory(0), 100.0f);
    EXPECT_FLOAT_EQ(finances.DebtHistory(0), 900.0f);
    for (int i = 1; i < CFinances::kHistorySize; ++i) {
        EXPECT_NEAR(finances.IncomeHistory(i), 200.0f, 200.0f * 0.0201f);
        EXPECT_NEAR(finances.ExpenditureHistory(i), 100.0f, 100.0f * 0.0201f);
        EXPECT_NEAR(finances.DebtHistory(i), 900.0f, 900.0f * 0.0201f);
    }
    EXPECT_GE(finances.HistoryPeak(), 900.0f * 0.98f);

    items = {{"A", 100.0f, 300.0f}};
    finances.SettleMonth(2, items);
    EXPECT_FLOAT_EQ(finances.IncomeHistory(0), 300.0f);
    EXPECT_FLOAT_EQ(finances.IncomeHistory(1), 200.0f);
    EXPECT_FLOAT_EQ(finances.DebtHistory(0), 700.0f);

    finances.FillHistories();
    for (int i = 0; i < CFinances::kHistorySize; ++i)
        EXPECT_FLOAT_EQ(finances.DebtHistory(i), 700.0f);
    EXPECT_FLOAT_EQ(finances.HistoryPeak(), 700.0f);
}

TEST_F(FinancesTest, SpecialNeuronsAreForgottenWithTheNetwork)
{
    SpecialNeurons::Create();
    EXPECT_EQ(Neuron::FindNeuronQuietly("_security_"), SpecialNeurons::Security());
    ResetNetwork();
    EXPECT_EQ(SpecialNeurons::Winning(), nullptr);
    EXPECT_EQ(SpecialNeurons::Debt(), nullptr);
    EXPECT_EQ(SpecialNeurons::GlobalEconomy(), nullptr);
    EXPECT_EQ(SpecialNeurons::Security(), nullptr);
    finances.SettleMonth(5, items);  // without the neurons: no crash
}

TEST_F(FinancesTest, GlobalEconomySwingsGdpOnA24TurnCycle)
{
    Neuron* gdp = new Neuron();
    gdp->SetName("GDP");
    SpecialNeurons::Create();
    CGlobalEconomy* economy = SpecialNeurons::GlobalEconomy();
    economy->SetUp(0.25f, 0.5f);
    EXPECT_NEAR(economy->GetValue(), 0.5f, 1e-6f);  // sin(pi/2) * 0.5
    ASSERT_EQ(gdp->Incoming().size(), 1u);
    EXPECT_FLOAT_EQ(gdp->Incoming()[0]->GetMultiplier(), 0.5f);
    for (int turn = 0; turn < 24; ++turn) {
        economy->Advance();
        EXPECT_LE(std::fabs(economy->GetValue()), 0.5f * 1.1f + 1e-6f);
        EXPECT_TRUE(economy->Phase() >= 0.0f && economy->Phase() <= 1.0f);
    }
    EXPECT_NEAR(economy->Phase(), 0.25f, 1e-4f);  // a whole cycle
    float value = economy->GetValue();
    EXPECT_FLOAT_EQ(economy->Recalculate(), value) << "recalculation leaves the set value alone";

    // At zero amplitude it stays still.
    economy->SetUp(0.3f, 0.0f);
    for (int turn = 0; turn < 5; ++turn) {
        economy->Advance();
        EXPECT_FLOAT_EQ(economy->GetValue(), 0.0f);
    }
    NeuralEffect::UpdateAllEffects();
    EXPECT_FLOAT_EQ(gdp->Recalculate(), 0.0f);
}

TEST_F(FinancesTest, FinanceLinesAreScaledByDifficultyAndWealth)
{
    SIM_Mission::Get().SetWealth(1.0f);
    CFinanceObject money;
    money.SetCostLine(10.0f, 30.0f);
    money.SetIncomeLine(-20.0f, 100.0f);
    EXPECT_FLOAT_EQ(money.Income(0.0f), 0.0f) << "a negative income counts as nothing";
    // DIFFICULTY is clamped to 0..1; without it the game is at 0.5.
    struct Case {
        const char* difficulty;
        float cost, income;  // at 0.5
    } cases[] = {{nullptr, 20, 40}, {"0.00", 16, 48}, {"1.00", 24, 32}, {"1.50", 24, 32}, {"-0.50", 16, 48}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.difficulty ? c.difficulty : "none");
        Options::Get().Section().Clear();
        if (c.difficulty)
            SetOption("DIFFICULTY", c.difficulty);
        EXPECT_NEAR(money.Cost(0.5f), c.cost, 1e-4);
        EXPECT_NEAR(money.Income(0.5f), c.income, 1e-4);
    }

    SetOption("DIFFICULTY", "0.50");
    SIM_Mission::Get().SetWealth(2.0f);
    money.SetCostMultiplier(1.5f);
    EXPECT_FLOAT_EQ(money.Cost(1.0f), 90.0f);
    money.SetCostLine(-5.0f, -5.0f);
    EXPECT_FLOAT_EQ(money.Cost(0.0f), -15.0f) << "a negative cost is passed on unchanged";
    SIM_Mission::Get().SetWealth(1.0f);

    LogCapture log;
    money.Cost(1.5f);
    EXPECT_TRUE(log.Contains("out of range"));
}

}  // namespace
