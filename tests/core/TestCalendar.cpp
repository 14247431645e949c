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
    struct Case {
        int month, turns, endMonth, endYear;
    };
    for (const Case& c : {Case{0, 4, 0, 2021}, Case{10, 1, 1, 2021}, Case{14, 0, 2, 2021}}) {
        calendar.Set(c.month, 2020);  // a month past 11 is brought into range
        for (int i = 0; i < c.turns; ++i)
            calendar.AdvanceTurn();
        EXPECT_EQ(calendar.Month(), c.endMonth);
        EXPECT_EQ(calendar.Year(), c.endYear);
    }
}

TEST_F(CalendarTest, TheElectionIsDueOnTheFirstTurnAtOrPastItsDate)
{
    Calendar& calendar = Calendar::Get();
    ElectionManager& elections = ElectionManager::Get();
    struct Case {
        int termMonths, startMonth, electionMonth, electionYear, turns;
    };
    const Case cases[] = {
        {48, 3, 3, 2004, 16},
        {30, 8, 2, 2003, 10},
        {32, 0, 8, 2002, 11},  // month 8, which three-month steps from 0 never hit: not stepped over
    };
    for (const Case& c : cases) {
        ElectionManager::SetTermLengthMonths(c.termMonths);
        calendar.Set(c.startMonth, 2000);
        elections.ScheduleNextElection();
        EXPECT_EQ(elections.NextElectionMonth(), c.electionMonth);
        EXPECT_EQ(elections.NextElectionYear(), c.electionYear);
        EXPECT_EQ(elections.MonthsUntilElection(), c.termMonths);
        EXPECT_FLOAT_EQ(elections.TermProgress(), 0.0f);
        int turns = 0;
        while (!elections.IsElectionDue() && turns < 100) {
            calendar.AdvanceTurn();
            ++turns;
        }
        EXPECT_EQ(turns, c.turns) << c.termMonths;
        if (c.turns * 3 == c.termMonths) {
            EXPECT_FLOAT_EQ(elections.TermProgress(), 1.0f);
        }
    }
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
