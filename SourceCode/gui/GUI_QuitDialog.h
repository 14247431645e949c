#pragma once
#include "gui/GUI_Dialog.h"

// Asks before leaving the game for the main menu.
class GUI_QuitDialog : public GUI_Dialog {
public:
    static constexpr const char* kName = "QuitDialog";
    // Replaces one already open.
    static void Open();
    GUI_QuitDialog();
    void Draw() override;
};
