#pragma once
#include <string>

#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_Dialog.h"


// Base of the game's own windows: a titled dialog of a fixed size, centred,
// with a close button named after the window, at most one open per name,
// and its contents drawn in the one window style. Opening a window offers
// its tutorial hint.
class GUI_GameWindow : public GUI_Dialog {
public:
    GUI_GameWindow(const std::string& name, const std::string& titleKey, float width, float height,
                   bool modal = false);

    void Draw() override;
    virtual void DrawContents() {}

    // The open window of that name (not one already closing), or null.
    static GUI_GameWindow* FindOpen(const std::string& name);
    static bool IsOpen(const std::string& name) { return FindOpen(name) != nullptr; }
    static void CloseNamed(const std::string& name);

protected:
    // A text button placed relative to the window's top-left corner.
    GUI_ButtonText* AddTextButton(const std::string& name, const std::string& captionKey, float x, float y,
                                  float width, GUI_ButtonBase::Callback callback, int argument = 0);
    // Window-relative coordinates of the content area.
    float Left() const { return static_cast<float>(mContent.left) + 10.0f; }
    float Top() const { return static_cast<float>(mContent.top) + 10.0f; }
    float InnerWidth() const { return static_cast<float>(mContent.Width()) - 20.0f; }
    // Closes this window (after the frame's input).
    void CloseSelf();
};
