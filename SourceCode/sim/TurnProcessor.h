#pragma once
#include <string>

// The conductor of the simulation: game setup builds a whole game from the
// data files and a mission and runs two warm-up turns; a turn runs every
// subsystem's step in a fixed order and moves the calendar on three months.
// Both show their progress on the processing screen (see Presentation).
class TurnProcessor {
public:
    static constexpr const char* kLoadScreenPicture = "loadscreen.jpg";

    static TurnProcessor& Get();

    // The player's next turn. Ignored while a modal window is open.
    void NextTurn();
    // A new game, ending at turn 2. The mission itself has been chosen and
    // loaded (SIM_Mission), the term length set; the name is what a save records.
    void SetUpGame(const std::string& missionName);
    // The first part of SetUpGame: the network from the data files and the
    // mission, with no ministers, pressure groups or population yet. A saved
    // game is loaded into it.
    void BuildNetwork(const std::string& missionName);
    // One progress step: logged, shown with one frame drawn, then the value
    // grows by the increment (above 1 it starts again from 0).
    void ShowProgress(const std::string& text, float increment);

    // Ends the game in memory: the population, the parties, every game
    // subsystem's data and the whole network (shutdown, tests).
    void ReleaseGame();

    // The turn just processed wants an autosave: AUTOSAVE is on, the game runs
    // on past the warm-up, and this turn held no election.
    bool AutosaveDue() const { return mAutosaveDue; }
    // Why the autosave of the last turn failed; "" when it did not.
    const std::string& AutosaveMessage() const { return mAutosaveMessage; }

    float Progress() const { return mProgress; }
    const std::string& ProgressText() const { return mProgressText; }

private:
    // The turn itself, as both NextTurn and the warm-up turns of setup run it.
    void RunTurn();
    void TakePoll();
    void EndOfTurnWindows(bool electionHeld);
    // The issues list and the reports start empty each turn.
    void StartIssuesAndReports();
    void ActOnDebtCeiling();
    // Everything of the running game goes: the population, the parties, every
    // subsystem's data and the whole network.
    void TearDownGame();
    void Autosave();

    float mProgress = 0.0f;
    bool mAutosaveDue = false;
    std::string mProgressText;
    std::string mAutosaveMessage;
};

// Short cuts to the one turn processor.
void NextTurn();
void SetUpGame(const std::string& missionName);
void ShowProgress(const std::string& text, float increment);
