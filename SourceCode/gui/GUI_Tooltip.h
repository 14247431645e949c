#pragma once
#include <string>

#include "gui/GUI_BaseElement.h"

// Text that appears under a button after the mouse has rested on it. A
// tooltip shows while raised every frame and fades within two frames after.
class GUI_Tooltip : public GUI_BaseElement {
public:
    static constexpr float kWrapWidth = 240.0f;

    void SetText(const std::string& text);
    // Shows the tooltip once the mouse has been still for longer than the delay.
    void Raise();
    // Queues the tooltip for the top layer (drawn after the screen).
    void Draw() override;
    // The top layer's drawing, then the fade.
    void DrawNow();

    const std::string& Text() const { return mText; }
    float Level() const { return mLevel; }

    int Delay = 60;
    bool FollowMouse = false;

private:
    std::string mText;
    float mLevel = 0.0f;
};
