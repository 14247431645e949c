#pragma once
#include <cstdint>
#include <vector>

#include "engine/BaseSprite.h"
#include "engine/CTexturedSprite.h"

class GUI_IconBase;
class NeuralEffect;

// The influence lines of one icon: every effect between its neuron and a
// neuron that has an icon too, in either direction. While the icon is the
// focus, the lines are drawn with pulses that stream from cause to effect,
// red for harm and green for help, faster for stronger effects.
class GUI_IconConnectors {
public:
    struct Line {
        NeuralEffect* effect = nullptr;
        GUI_IconBase* cause = nullptr;
        GUI_IconBase* target = nullptr;
        float pulseOffset = 0.0f;
        uint32_t lastUpdate = 0;
    };

    explicit GUI_IconConnectors(GUI_IconBase* icon) : mIcon(icon) {}

    // After icons come and go: the lines to the icons that exist now.
    void Rebuild();
    // Highlights the icons at both ends of every line.
    void Highlight();
    void Draw(uint32_t nowMilliseconds);
    const std::vector<Line>& Lines() const { return mLines; }

    // The line colour for an effect's current strength.
    static uint32_t ColourFor(float strength);

    bool Highlighted = false;

private:
    void DrawLine(Line& line, uint32_t now);

    GUI_IconBase* mIcon;
    std::vector<Line> mLines;
    CTexturedSprite mLineSprite{"line.dds"};
    BaseSprite mPulse;
};
