#pragma once
#include "gui/GUI_IconButton.h"

// An arrow of a scrolling window: pressing it scrolls the window one step
// towards the top (kUp) or the bottom (kDown) of its content.
class GUI_ScrollButton : public GUI_IconButton {
public:
    enum Direction { kUp = -1, kDown = 1 };
    GUI_ScrollButton(std::string name, Direction direction);
    Direction GetDirection() const { return mDirection; }

private:
    Direction mDirection;
};
