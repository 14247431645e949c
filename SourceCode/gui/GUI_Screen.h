#pragma once
#include "engine/BaseGUIScreen.h"
#include "gui/GUIButtonList.h"

// A full screen with buttons of its own. Clicks go to the open windows first
// (a modal window takes every click), then to the screen's buttons.
class GUI_Screen : public BaseGUIScreen, public GUIButtonList {
public:
    bool OnClick(float x, float y) override;
    void Update() override { UpdateButtons(); }
    // The buttons, then the open windows above them.
    void DrawButtonsAndWindows();

protected:
    // Screens outside the game (the menu and the screens it leads to) show and
    // click only their own buttons and the modal dialogs they open, never the
    // main screen's strips and windows that stay registered behind them.
    bool mModalWindowsOnly = false;
};
