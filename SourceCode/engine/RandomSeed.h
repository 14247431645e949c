#pragma once

#include <cstdint>

// Where the game's chance starts. A player's game takes the clock's; a run
// that must replay (a bug report, an automated test) fixes one with
// "--seed N" before the game starts.
class RandomSeed {
public:
    static void Fix(uint32_t seed);
    static void Release();
    // The fixed seed, or the clock's milliseconds when none is fixed.
    static uint32_t Pick();
    // Reads "N" as a seed; false for anything but a whole number that fits.
    static bool Parse(const char* text, uint32_t* seed);
};
