#include <gtest/gtest.h>

#include "politics/ElectionManager.h"
#include "sim/Calendar.h"

namespace {

class CalendarTest : public ::testing::Test {
protected:
    void SetUp() override { saved = Calendar::Get(); }
    void TearDown() override
    {
        Calendar::Get() = saved;
        ElectionManager::SetTermLengthMonths(ElectionManager::kDefaultTermMonths);
    }
    Calendar saved;
};

TEST_F(CalendarTest, FourTurnsMakeAYearAndMonthsCarryIntoTheYear)
{
    Calendar& calendar = Calendar::Get();
    calendar.Set(0, 2020);
    for (int i = 0; i < 4; ++i)
        calendar.AdvanceTurn();
    EXPECT_EQ(calendar.Month(), 0);
    EXPECT_EQ(calendar.Year(), 2021);

    calendar.Set(10, 2020);
    calendar.AdvanceTurn();
    EXPECT_EQ(calendar.Month(), 1);
    EXPECT_EQ(calendar.Year(), 2021);

    calendar.Set(14, 2020);  // brought into range
    EXPECT_EQ(calendar.Month(), 2);
    EXPECT_EQ(calendar.Year(), 2021);
}

TEST_F(CalendarTest, ElectionDatesForTermsOf48And30Months)
{
    Calendar& calendar = Calendar::Get();
    ElectionManager& elections = ElectionManager::Get();

    ElectionManager::SetTermLengthMonths(48);
    calendar.Set(3, 2000);
    elections.ScheduleNextElection();
    EXPECT_EQ(elections.NextElectionMonth(), 3);
    EXPECT_EQ(elections.NextElectionYear(), 2004);
    EXPECT_EQ(elections.MonthsUntilElection(), 48);
    EXPECT_EQ(elections.MonthsSinceElection(), 0);
    EXPECT_FLOAT_EQ(elections.TermProgress(), 0.0f);

    ElectionManager::SetTermLengthMonths(30);
    calendar.Set(8, 2000);
    elections.ScheduleNextElection();
    EXPECT_EQ(elections.NextElectionMonth(), 2);
    EXPECT_EQ(elections.NextElectionYear(), 2003);

    // Ten turns of three months reach it exactly, and not a turn earlier.
    for (int turn = 0; turn < 9; ++turn) {
        calendar.AdvanceTurn();
        EXPECT_FALSE(elections.IsElectionDue()) << "turn " << turn;
    }
    EXPECT_EQ(elections.MonthsUntilElection(), 3);
    calendar.AdvanceTurn();
    EXPECT_TRUE(elections.IsElectionDue());
    EXPECT_EQ(elections.MonthsUntilElection(), 0);
    EXPECT_EQ(elections.MonthsSinceElection(), 30);
    EXPECT_FLOAT_EQ(elections.TermProgress(), 1.0f);
}

TEST_F(CalendarTest, AnElectionDateBetweenTwoTurnsIsNotSteppedOver)
{
    Calendar& calendar = Calendar::Get();
    ElectionManager& elections = ElectionManager::Get();
    // 32 months from month 0: month 8, which three-month steps from 0 never hit.
    ElectionManager::SetTermLengthMonths(32);
    calendar.Set(0, 2000);
    elections.ScheduleNextElection();
    EXPECT_EQ(elections.NextElectionMonth(), 8);
    EXPECT_EQ(elections.NextElectionYear(), 2002);
    int turns = 0;
    while (!elections.IsElectionDue() && turns < 100) {
        calendar.AdvanceTurn();
        ++turns;
    }
    EXPECT_EQ(turns, 11);  // month 9 of 2002, the first turn past the date
    EXPECT_EQ(calendar.Month(), 9);
}

TEST_F(CalendarTest, AMissingOrZeroTermLengthIsFourYears)
{
    ElectionManager::SetTermLengthYears(0);
    EXPECT_EQ(ElectionManager::TermLengthMonths(), 48);
    ElectionManager::SetTermLengthMonths(-12);
    EXPECT_EQ(ElectionManager::TermLengthMonths(), 48);
    ElectionManager::SetTermLengthYears(5);
    EXPECT_EQ(ElectionManager::TermLengthMonths(), 60);

    // TermProgress never divides by zero.
    ElectionManager::SetTermLengthMonths(0);
    Calendar::Get().Set(0, 2000);
    ElectionManager::Get().ScheduleNextElection();
    EXPECT_FLOAT_EQ(ElectionManager::Get().TermProgress(), 0.0f);
}

}  // namespace
