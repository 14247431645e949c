#pragma once
// A small Schroeder room (parallel combs into series all-passes), slightly
// different per side for width. Applied once over a finished buffer.
#include "AudioBuffer.h"

class Reverb {
public:
    // wet: level of the room; size scales the delay lengths; damping 0..1.
    static void Apply(AudioBuffer& buffer, float wet, float size = 1.0f, float feedback = 0.80f, float damping = 0.3f);
};
