#pragma once
#include "gui/GUI_Screen.h"

// A plain main screen until the icon network exists: the date, the poll,
// a next-turn button (F6 too), a way back to the menu (Escape), and the
// game's windows by their keys.
class GUI_FirstMainScreen : public GUI_Screen {
public:
    void Activate() override;
    void Render() override;
    void OnKey(int scanCode) override;
};

GUI_FirstMainScreen& GetFirstMainScreen();
