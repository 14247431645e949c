#pragma once
#include <string>

#include "gui/GUI_Dialog.h"

// A modal dialog with a message and a close button, centred on the screen.
class GUI_MessageDialog : public GUI_Dialog {
public:
    GUI_MessageDialog(std::string name, const std::string& title, const std::string& message);
    void Draw() override;

private:
    std::string mMessage;
};
