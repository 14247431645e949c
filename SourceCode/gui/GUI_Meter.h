#pragma once

// A segmented bar for a value 0..1, red, yellow or green by how good it is
// (inverted: low is good). Voter groups, the poll bar and the details windows share it.
class GUI_Meter {
public:
    static void DrawMeter(float height, float x, float y, float value, float width, float alpha, bool highlighted,
                          bool inverted);
    // The light (top) and dark (bottom) colours, without alpha, for a goodness 0..1.
    static void Colours(float goodness, unsigned& light, unsigned& dark);
};
