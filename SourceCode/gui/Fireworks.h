#pragma once
#include <cstdint>
#include <random>
#include <vector>

#include "engine/GRect.h"

// Bursts of sparks over a victory. It draws its own randomness, never the
// game's generator, so watching a celebration changes nothing in the game.
class Fireworks {
public:
    explicit Fireworks(const GRect& area);

    // One frame: maybe a new burst (with its bang), sparks move and fade.
    void Update();
    void Draw() const;
    bool Quiet() const { return mSparks.empty(); }

private:
    struct Spark {
        float x, y, dx, dy, life;
        uint32_t colour;
    };
    void Burst();

    GRect mArea;
    std::minstd_rand mRandom;
    std::vector<Spark> mSparks;
    int mFramesToNextBurst = 0;
};
