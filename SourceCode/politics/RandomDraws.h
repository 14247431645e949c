#pragma once
#include <cstddef>

// The draws of the population rules, all from the shared generator (SimRandom).

// draw / 32767: 0 and 1 can both come up.
float Rand01();
// a + (b - a) * Rand01().
float RandRange(float a, float b);
// True when p is strictly above Rand01(): Chance(0) never, Chance(1) almost always.
bool Chance(float p);
// The index draw mod count of a random element. count must not be 0: every
// caller checks its list first and reports an empty one itself.
size_t RandomIndex(size_t count);
