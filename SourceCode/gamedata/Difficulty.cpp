#include "gamedata/Difficulty.h"

#include <cmath>

#include "gamedata/Options.h"
#include "sim/Clamp.h"

float Difficulty::Current()
{
    // Without the option (no options loaded) the figures stand as tabled.
    float difficulty = Options::Get().Section().GetFloat("DIFFICULTY", 0.5f);
    if (std::isnan(difficulty))
        return 0.5f;
    return ClampZeroToOne(difficulty);
}
