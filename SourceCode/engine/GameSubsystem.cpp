#include "engine/GameSubsystem.h"

#include <algorithm>

namespace {
std::vector<GameSubsystem*>& Subsystems()
{
    static std::vector<GameSubsystem*> subsystems;
    return subsystems;
}
}  // namespace

GameSubsystem::GameSubsystem() { Subsystems().push_back(this); }

GameSubsystem::~GameSubsystem()
{
    auto& list = Subsystems();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

const std::vector<GameSubsystem*>& GameSubsystem::Registry() { return Subsystems(); }

void GameSubsystem::ReleaseAll()
{
    // Walk a copy, since a Release may create or destroy subsystems; one that
    // was destroyed by an earlier Release is passed over, never called.
    std::vector<GameSubsystem*> list = Subsystems();
    for (GameSubsystem* subsystem : list) {
        const auto& live = Subsystems();
        if (std::find(live.begin(), live.end(), subsystem) != live.end())
            subsystem->Release();
    }
}
