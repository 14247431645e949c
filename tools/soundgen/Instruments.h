#pragma once
// The synthesized instruments. Each adds one note into a buffer at a start time
// (seconds), with a level and a stereo position.
#include "AudioBuffer.h"
#include "Rng.h"

class Instruments {
public:
    static float Frequency(int midiNote);

    // Warm sustained chord tone: detuned additive voices, slow attack and release.
    static void Pad(AudioBuffer& out, double start, double length, int note, float level, float pan);
    // Plucked string (Karplus-Strong), seeded so it sounds the same each run.
    static void Pluck(AudioBuffer& out, double start, int note, float level, float pan, Rng& rng, float decay = 0.996f);
    // Soft bell/electric-piano tone (two-operator FM).
    static void Bell(AudioBuffer& out, double start, double length, int note, float level, float pan);
    // Round bass: sine with a touch of its octave.
    static void Bass(AudioBuffer& out, double start, double length, int note, float level);
    // Brass-like tone whose upper harmonics swell in, for the fanfare.
    static void Brass(AudioBuffer& out, double start, double length, int note, float level, float pan);
    // Drums.
    static void Timpani(AudioBuffer& out, double start, int note, float level, float pan, Rng& rng);
    static void Kick(AudioBuffer& out, double start, float level);
    static void HiHat(AudioBuffer& out, double start, float level, float pan, Rng& rng);
    // Rising cymbal wash that ends at start + length.
    static void Swell(AudioBuffer& out, double start, double length, float level, Rng& rng);
};
