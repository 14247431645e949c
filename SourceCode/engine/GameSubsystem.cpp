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
    // Copy: a Release may in principle create or destroy subsystems.
    std::vector<GameSubsystem*> list = Subsystems();
    for (GameSubsystem* subsystem : list)
        subsystem->Release();
}
