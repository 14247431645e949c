#include "gui/GUI_ScrollButton.h"

GUI_ScrollButton::GUI_ScrollButton(std::string name, Direction direction)
    : GUI_IconButton(std::move(name), "left.dds", "left_h.dds"), mDirection(direction)
{
    // The left arrow turned a quarter either way.
    SetRotation(direction == kUp ? 90.0f : 270.0f);
}
