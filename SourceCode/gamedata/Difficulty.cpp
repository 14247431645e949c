#include "gamedata/Difficulty.h"

#include <algorithm>
#include <cmath>

#include "gamedata/Options.h"

float Difficulty::Current()
{
    // Without the option (no options loaded) the figures stand as tabled.
    float difficulty = Options::Get().Section().GetFloat("DIFFICULTY", 0.5f);
    if (std::isnan(difficulty))
        return 0.5f;
    return std::clamp(difficulty, 0.0f, 1.0f);
}
