#pragma once
// The five mood tracks: each is a chord progression played by pads, a plucked
// or struck arpeggio and a bass, with a melody and (where the mood wants it)
// drums. Every track is a whole number of bars and loops without a seam.
#include <string>
#include <vector>

#include "AudioBuffer.h"

class MusicComposer {
public:
    struct Note {
        double beat;    // from the start of its bar
        double length;  // in beats
        int pitch;      // MIDI note number
    };
    struct Chord {
        std::vector<int> voicing;  // pad notes
        int bass;
        int bars;
    };

    // One per mood; each is written as data/sounds/music/<name>.ogg.
    static AudioBuffer Theme();
    static AudioBuffer Neutral();
    static AudioBuffer Great();
    static AudioBuffer Poorly();
    static AudioBuffer ElectionWin();
};
