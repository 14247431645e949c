#pragma once
#include <string>

#include "gui/GUI_ButtonBase.h"

// A panel button with a localised caption.
class GUI_ButtonText : public GUI_ButtonBase {
public:
    GUI_ButtonText(std::string name, const std::string& captionKey);
    void Draw() override;
    const std::string& Caption() const { return mCaption; }

private:
    std::string mCaption;
};
