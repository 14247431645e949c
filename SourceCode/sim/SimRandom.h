#pragma once
#include <cstdint>

// The game's one pseudo-random generator, shared by everything that draws:
// a linear congruential generator, state = state * 214013 + 2531011 (mod 2^32),
// each draw giving bits 16..30 of the new state (0..32767). Seeded once, so a
// game can be replayed exactly from its seed. The C library's rand() is never used.
class SimRandom {
public:
    static constexpr int kMax = 32767;

    static void Seed(uint32_t seed);
    static uint32_t State();
    // A saved game goes on from where its generator stood.
    static void SetState(uint32_t state);
    static int Next();
    // a + (b - a) * draw / 32767: both ends can be drawn.
    static float Float(float a, float b);
};
