#pragma once
#include <string>
#include <utility>

#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_ListArea.h"


// Base of the game's own windows: a titled dialog of a fixed size, centred,
// with a close button named after the window, at most one open per name,
// and its contents drawn in the one window style. Opening a window offers
// the tutorial hint the window directory gives it.
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
    // Closes the open window of that kind and opens a fresh one.
    template <class Window, class... Args>
    static Window* Reopen(Args&&... args)
    {
        CloseNamed(Window::kName);
        return new Window(std::forward<Args>(args)...);
    }

protected:
    // A text button placed relative to the window's top-left corner.
    GUI_ButtonText* AddTextButton(const std::string& name, const std::string& captionKey, float x, float y,
                                  float width, GUI_ButtonBase::Callback callback, int argument = 0);
    // A scrolling list placed relative to the window's top-left corner,
    // named after the window and the suffix; the window draws its rows.
    GUI_ListArea* AddList(const std::string& suffix, float x, float y, float width, float height,
                          GUI_ListArea::DrawRows drawRows);
    // A text button in a list, placed in the list's content pixels.
    static GUI_ButtonText* AddListButton(GUI_ListArea& list, const std::string& name, const std::string& captionKey,
                                         float x, float y, float width, GUI_ButtonBase::Callback callback,
                                         int argument = 0);
    // Window-relative coordinates of the content area.
    float Left() const { return static_cast<float>(mContent.left) + 10.0f; }
    float Top() const { return static_cast<float>(mContent.top) + 10.0f; }
    float InnerWidth() const { return static_cast<float>(mContent.Width()) - 20.0f; }
    // Closes this window (after the frame's input).
    void CloseSelf();
};
