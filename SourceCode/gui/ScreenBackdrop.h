#pragma once

// The backdrop shared by the menu and the simple screens: the blue gradient
// over the whole frame with black bands above and below for titles and buttons.
class ScreenBackdrop {
public:
    static constexpr int kBandHeight = 64;
    static void Draw();
};
