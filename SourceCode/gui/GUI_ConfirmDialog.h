#pragma once
#include <functional>
#include <string>

#include "gui/GUI_Dialog.h"

// Asks before something that cannot be undone: a message, a button that goes
// ahead (named the dialog's name and "OK") and one that does not ("Cancel").
// Modal, centred; either button closes it.
class GUI_ConfirmDialog : public GUI_Dialog {
public:
    GUI_ConfirmDialog(std::string name, const std::string& title, const std::string& message,
                      const std::string& okCaptionKey, std::function<void()> onOk);
    void Draw() override;

private:
    std::string mMessage;
};
