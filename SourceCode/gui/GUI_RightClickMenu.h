#pragma once
#include "gui/GUI_WindowBase.h"

// The menu a right click opens on the main screen: polls, a new policy,
// finances, the menu and the next turn, each through the dispatcher.
class GUI_RightClickMenu : public GUI_WindowBase {
public:
    static constexpr float kEntryWidth = 190.0f;
    static constexpr float kEntryHeight = 24.0f;

    GUI_RightClickMenu();
    void Open(float mouseX, float mouseY, float screenWidth, float screenHeight);
    void Close() { Visible = false; }
    void Draw() override;
    // Where the menu's top-left corner goes for a right click there.
    static void Position(float mouseX, float mouseY, float screenWidth, float screenHeight, float& x, float& y);
};
