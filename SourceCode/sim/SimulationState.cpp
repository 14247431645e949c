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

void SimulationState::SetMissionFile(const std::string& path)
{
    mMissionPath = path;
    const size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    mMissionName = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

void SimulationState::Reset()
{
    mTurnNumber = 0;
    mMissionName.clear();
    mMissionPath.clear();
    mGameOver = false;
}
