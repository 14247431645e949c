#pragma once
#include "gui/GUI_WindowBase.h"

// The row of icon buttons at the top right of the main screen. Each runs its
// command through the dispatcher; the end-turn button gives way to the
// dilemma button while a dilemma waits.
class GUI_ControlPanel : public GUI_WindowBase {
public:
    GUI_ControlPanel();
    void Layout(float screenWidth);
    void Update() override;
    void Draw() override;
};
