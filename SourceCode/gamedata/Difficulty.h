#pragma once

// How hard the game is, 0 easiest .. 1 hardest: the option DIFFICULTY, kept
// within range (0.5 when it is missing or not a number). The finances and cynicism read it.
class Difficulty {
public:
    static float Current();
};
