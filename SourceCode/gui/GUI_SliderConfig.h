#pragma once

// The notch arithmetic of a policy slider with n positions: notch i of n
// stands for i / (n - 1). Sliders with fewer than two positions have no
// steps, so every rule here leaves their value alone instead of dividing by zero.
class GUI_SliderConfig {
public:
    // The nearest notch's value (half a step rounds up), within [0, 1].
    static float Snap(int positions, float value);
    // One notch left (direction < 0) or right (> 0) of the notch nearest value.
    static float Nudge(int positions, float value, int direction);
    // Pixels between the centres of neighbouring notches drawn on a track.
    static float NotchSpacing(int positions, float trackWidth);
};
