#include "sim/SimRandom.h"

namespace {
uint32_t gState = 1;
}

void SimRandom::Seed(uint32_t seed) { gState = seed; }

uint32_t SimRandom::State() { return gState; }

void SimRandom::SetState(uint32_t state) { gState = state; }

int SimRandom::Next()
{
    gState = gState * 214013u + 2531011u;
    return static_cast<int>((gState >> 16) & 0x7fffu);
}

float SimRandom::Float(float a, float b)
{
    float draw = static_cast<float>(Next());
    return a + (b - a) * draw / static_cast<float>(kMax);
}
