#pragma once
#include "gui/GUI_ButtonText.h"

// A small tab: one of a group of buttons of the same window of which one is
// selected. Pressing it selects it, clears the others of its group, then
// runs its callback.
class GUI_Button_Minitab : public GUI_ButtonText {
public:
    GUI_Button_Minitab(std::string name, const std::string& captionKey, int group = 0);
    void Draw() override;
    void Press() override;

    bool Selected = false;
    int Group;
};
