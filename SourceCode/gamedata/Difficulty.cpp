#include "gamedata/Difficulty.h"

#include <cmath>

#include "gamedata/Options.h"
#include "politics/AchievementList.h"
#include "sim/Clamp.h"

float Difficulty::Current()
{
    // Without the option (no options loaded) the figures stand as tabled.
    float difficulty = Options::Get().Section().GetFloat("DIFFICULTY", 0.5f);
    if (std::isnan(difficulty))
        difficulty = 0.5f;
    return WithStreak(difficulty, AchievementList::Get().ConsecutiveWins(),
                      AchievementList::Get().ConsecutiveLosses());
}

float Difficulty::WithStreak(float option, int consecutiveWins, int consecutiveLosses)
{
    // A player who keeps losing first elections gets a gentler country, one who keeps winning a harder one.
    if (consecutiveLosses >= kStreak)
        option -= kStreakStep;
    else if (consecutiveWins >= kStreak)
        option += kStreakStep;
    return ClampZeroToOne(option);
}
