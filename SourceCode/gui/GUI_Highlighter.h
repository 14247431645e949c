#pragma once
#include <cstdint>
#include <string>

#include "engine/CTexturedSprite.h"

// Two rings that shrink onto an icon and fade out, to show where something
// just appeared (a policy just introduced). The main screen keeps them in a
// list and drops each once its time has passed.
class GUI_Highlighter {
public:
    GUI_Highlighter(std::string neuronName, uint32_t nowMs, uint32_t durationMs);
    // False once the time has passed.
    bool Draw(uint32_t nowMs);
    // How far the rings have shrunk, 0 to 1.
    static float Progress(uint32_t startMs, uint32_t durationMs, uint32_t nowMs);

private:
    std::string mNeuronName;
    uint32_t mStart;
    uint32_t mDuration;
    CTexturedSprite mOuter{"highlighter.dds"};
    CTexturedSprite mInner{"highlighter.dds"};
};
