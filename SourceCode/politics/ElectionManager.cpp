#include "politics/ElectionManager.h"

#include "politics/AchievementList.h"
#include "politics/ElectionCount.h"
#include "politics/SIM_Manifesto.h"
#include "politics/TurnoutWeights.h"
#include "sim/Calendar.h"
#include "sim/SimulationState.h"
#include "sim/Presentation.h"

namespace {
int gTermLengthMonths = ElectionManager::kDefaultTermMonths;
}  // namespace

ElectionManager& ElectionManager::Get()
{
    static ElectionManager manager;
    return manager;
}

void ElectionManager::SetTermLengthMonths(int months)
{
    gTermLengthMonths = months > 0 ? months : kDefaultTermMonths;
}

int ElectionManager::TermLengthMonths() { return gTermLengthMonths; }

void ElectionManager::LoadTurnoutWeights() { TurnoutWeights::LoadFromTuning(); }

float ElectionManager::OpinionWeight() { return TurnoutWeights::Current().opinion; }
float ElectionManager::TendencyWeight() { return TurnoutWeights::Current().tendency; }
float ElectionManager::PartyWeight() { return TurnoutWeights::Current().party; }

void ElectionManager::SetTurnoutWeights(float opinion, float tendency, float party)
{
    TurnoutWeights::Current() = TurnoutWeights{opinion, tendency, party};
}

void ElectionManager::SetNextElection(int month, int year)
{
    // Kept in 0..11, the surplus carried into the year.
    int total = year * 12 + month;
    mNextElectionYear = total >= 0 ? total / 12 : -((-total + 11) / 12);
    mNextElectionMonth = total - mNextElectionYear * 12;
    mHasElectionDate = true;
}

void ElectionManager::ScheduleNextElection()
{
    const Calendar& calendar = Calendar::Get();
    SetNextElection(calendar.Month() + gTermLengthMonths % 12, calendar.Year() + gTermLengthMonths / 12);
}

bool ElectionManager::IsElectionDue() const
{
    return Calendar::Get().HasReached(mNextElectionMonth, mNextElectionYear);
}

int ElectionManager::MonthsUntilElection() const
{
    return Calendar::Get().MonthsUntil(mNextElectionMonth, mNextElectionYear);
}

int ElectionManager::MonthsSinceElection() const { return gTermLengthMonths - MonthsUntilElection(); }

float ElectionManager::TermProgress() const
{
    return 1.0f - static_cast<float>(MonthsUntilElection()) / static_cast<float>(gTermLengthMonths);
}

void ElectionManager::CheckElection() { mElectionThisTurn = IsElectionDue(); }

ElectionResult ElectionManager::HoldElection()
{
    mElectionThisTurn = false;
    ElectionCount count;
    count.CountAll();
    ElectionResult result = ConcludeElection(count);
    Presentation::Current().ShowElectionResults(count, result);
    return result;
}

void ElectionManager::RecordResult(unsigned playerVotes, unsigned oppositionVotes, unsigned /*abstentions*/)
{
    const bool won = ElectionCount::IsVictory(playerVotes, oppositionVotes);
    // A defeat after a win is no mark against the player's first elections.
    if (mElectionsWon == 0) {
        if (won)
            AchievementList::Get().RecordWin();
        else
            AchievementList::Get().RecordLoss();
    }
    if (won)
        ++mElectionsWon;
}

ElectionResult ElectionManager::ConcludeElection(const ElectionCount& count)
{
    ElectionResult result;
    result.month = Calendar::Get().Month();
    result.year = Calendar::Get().Year();
    result.playerVotes = count.PlayerVotes();
    result.oppositionVotes = count.OppositionVotes();
    result.abstentions = count.Abstentions();
    result.share = count.Share();
    result.won = count.PlayerWon();

    RecordResult(result.playerVotes, result.oppositionVotes, result.abstentions);
    // The pledges of the ending term are judged; those chosen for the next come into force.
    SIM_Manifesto::Get().JudgeAtElection();
    SIM_Manifesto::Get().StartTerm();
    // The next term is scheduled, after a defeat too.
    ScheduleNextElection();
    if (!result.won)
        SimulationState::Get().SetGameOver(true);

    ++mElectionsHeld;
    mLastResult = result;
    return result;
}
