#pragma once
#include <string>

// Where the game stands: the turn number and the mission it was built from.
// The turn number is 0 while a game is being set up, 2 once its two warm-up
// turns have run; the player's first turn is numbered 3.
class SimulationState {
public:
    static SimulationState& Get();

    int TurnNumber() const { return mTurnNumber; }
    void SetTurnNumber(int turn) { mTurnNumber = turn; }
    void AdvanceTurnNumber() { ++mTurnNumber; }

    // "data/missions/<name>.txt"
    void SetMission(const std::string& missionName);
    const std::string& MissionName() const { return mMissionName; }
    const std::string& MissionPath() const { return mMissionPath; }
    static std::string MissionPathFor(const std::string& missionName);
    // The file itself, wherever it lies (a mod mission is outside data/missions);
    // the name is the file's, without folder and extension.
    void SetMissionFile(const std::string& path);

    // Set when the game has ended (an election lost); the turn then skips the
    // steps that only make sense while the player governs.
    bool IsGameOver() const { return mGameOver; }
    void SetGameOver(bool over) { mGameOver = over; }

    // Back to the state before any game (turn 0, no mission, not over).
    void Reset();

private:
    int mTurnNumber = 0;
    std::string mMissionName;
    std::string mMissionPath;
    bool mGameOver = false;
};
