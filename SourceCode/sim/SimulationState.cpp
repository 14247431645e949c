#include "sim/SimulationState.h"

SimulationState& SimulationState::Get()
{
    static SimulationState state;
    return state;
}

std::string SimulationState::MissionPathFor(const std::string& missionName)
{
    return "data/missions/" + missionName + ".txt";
}

void SimulationState::SetMission(const std::string& missionName)
{
    mMissionName = missionName;
    mMissionPath = MissionPathFor(missionName);
}

void SimulationState::Reset()
{
    mTurnNumber = 0;
    mMissionName.clear();
    mMissionPath.clear();
    mGameOver = false;
}
