#pragma once
#include <vector>

// Base of the long-lived simulation managers. Each registers itself on
// construction; game setup and shutdown call Release() on all of them, in
// registration order, to free what was loaded for one game.
class GameSubsystem {
public:
    GameSubsystem();
    virtual ~GameSubsystem();
    virtual void Release() {}

    GameSubsystem(const GameSubsystem&) = delete;
    GameSubsystem& operator=(const GameSubsystem&) = delete;

    static const std::vector<GameSubsystem*>& Registry();
    static void ReleaseAll();
};
