#pragma once
// The sound effects: interface clicks, three crowd reactions for election
// results, and three firework bursts. All mono; the game pans them.
#include "AudioBuffer.h"

class EffectComposer {
public:
    static AudioBuffer MenuClick();
    static AudioBuffer Click();
    static AudioBuffer CrowdAngry();
    static AudioBuffer CrowdClap();
    static AudioBuffer CrowdCheer();
    static AudioBuffer Firework(int variant);  // 1, 2 or 3
};
