#include "politics/RandomDraws.h"

#include "engine/Diagnostics.h"
#include "sim/SimRandom.h"

float Rand01() { return static_cast<float>(SimRandom::Next()) / static_cast<float>(SimRandom::kMax); }

float RandRange(float a, float b) { return a + (b - a) * Rand01(); }

bool Chance(float p) { return p > Rand01(); }

size_t RandomIndex(size_t count)
{
    if (count == 0)
        FATAL_ERROR("Random choice from an empty list");
    return static_cast<size_t>(SimRandom::Next()) % count;
}
