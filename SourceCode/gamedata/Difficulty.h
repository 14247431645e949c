#pragma once

// How hard the game is, 0 easiest .. 1 hardest: the option DIFFICULTY (0.5
// when it is missing or not a number), moved a step by the player's streak of
// first-election results in this mission, kept within range. The finances and
// cynicism read it.
class Difficulty {
public:
    static constexpr int kStreak = 3;
    static constexpr float kStreakStep = 0.1f;

    static float Current();
    static float WithStreak(float option, int consecutiveWins, int consecutiveLosses);
};
