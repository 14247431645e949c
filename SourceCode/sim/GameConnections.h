#pragma once

// Connects the subsystems that only know each other through narrow hooks:
// the mission's policy settings to the policies, the finance figures to the
// mission's wealth and the difficulty, the policies' popularity to the voter
// groups. Game setup calls it; calling it again changes nothing.
namespace GameConnections {

void Install();
// Puts every hook back to its neutral default (tests, tools).
void Uninstall();

// The difficulty of the finances and of cynicism: the option DIFFICULTY,
// within [0, 1].
float EffectiveDifficulty();

}  // namespace GameConnections
