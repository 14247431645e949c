#pragma once
#include <string>

class ElectionCount;

// The outcome of one election, as shown and as counted.
struct ElectionResult {
    int month = 0;
    int year = 0;
    unsigned playerVotes = 0;
    unsigned oppositionVotes = 0;
    unsigned abstentions = 0;
    float share = 0.0f;  // of the votes cast for a party
    bool won = false;
};

// When the next election falls, how many the player has won, and what
// happens when one is held. Elections fall one term after the last, on the
// calendar's month; the turn that reaches (or passes) the date holds it.
class ElectionManager {
public:
    static constexpr int kDefaultTermMonths = 48;

    static ElectionManager& Get();

    // The term length, process-wide: 48 months at start. A length of 0 or less
    // (a mission without "termlength") falls back to four years.
    static void SetTermLengthMonths(int months);
    static void SetTermLengthYears(int years) { SetTermLengthMonths(years * 12); }
    static int TermLengthMonths();

    // The turnout weights of the voters, copied from the setup section at game setup.
    static void LoadTurnoutWeights();
    static float OpinionWeight();
    static float TendencyWeight();
    static float PartyWeight();
    static void SetTurnoutWeights(float opinion, float tendency, float party);

    // The next election: one term after the current calendar month.
    void ScheduleNextElection();
    // True once the calendar has reached the election date (or passed it,
    // so a date that the three-month steps would skip is still held).
    bool IsElectionDue() const;
    bool HasElectionDate() const { return mHasElectionDate; }
    int MonthsUntilElection() const;
    int MonthsSinceElection() const;
    // 1 - months until the election / term length.
    float TermProgress() const;

    // Right after the calendar moves on: notes whether this turn holds the
    // election. The votes are counted only once the turn has finished.
    void CheckElection();
    bool ElectionThisTurn() const { return mElectionThisTurn; }
    // After the turn's last step: every vote is counted and the election
    // concluded, then the results window is shown what was decided. Headless
    // and windowed play decide elections here alone.
    ElectionResult HoldElection();
    // The count is complete: records the result, schedules the next election
    // and, after a defeat, ends the game.
    ElectionResult ConcludeElection(const ElectionCount& count);
    // Counts a won election; the first result of a game also goes into the
    // player's streak of first-election wins or losses.
    void RecordResult(unsigned playerVotes, unsigned oppositionVotes, unsigned abstentions);

    int NextElectionMonth() const { return mNextElectionMonth; }
    int NextElectionYear() const { return mNextElectionYear; }
    void SetNextElection(int month, int year);
    int ElectionsWon() const { return mElectionsWon; }
    void SetElectionsWon(int won) { mElectionsWon = won; }

    // Elections concluded since the program started, and the latest.
    int ElectionsHeld() const { return mElectionsHeld; }
    void SetElectionsHeld(int held) { mElectionsHeld = held; }
    const ElectionResult& LastResult() const { return mLastResult; }

private:
    int mNextElectionMonth = 0;
    int mNextElectionYear = 0;
    int mElectionsWon = 0;
    int mElectionsHeld = 0;
    bool mElectionThisTurn = false;
    bool mHasElectionDate = false;
    ElectionResult mLastResult;
};
