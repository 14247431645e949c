#pragma once
#include "gui/GUI_IconButton.h"

// Closes its window; the window goes at the end of the frame, never while its click is routed.
class GUI_CloseButton : public GUI_IconButton {
public:
    explicit GUI_CloseButton(std::string name = "Close");
    void Press() override;
};
