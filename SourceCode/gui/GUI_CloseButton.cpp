#include "gui/GUI_CloseButton.h"

#include "engine/Diagnostics.h"
#include "engine/ScreenFader.h"
#include "gui/GUI_WindowBase.h"
#include "gui/WindowManager.h"
#include "sound/GUI_Sounds.h"

GUI_CloseButton::GUI_CloseButton(std::string name)
    : GUI_IconButton(std::move(name), "button_close.dds", "button_close_h.dds")
{
}

void GUI_CloseButton::Press()
{
    if (!Enabled)
        return;
    GetSounds().PlayClick();
    if (!ParentWindow) {
        AssertCheck(false, "GUI_ButtonTypes", __LINE__);
        return;
    }
    if (!FadeFirst) {
        GetWindowManager().Close(ParentWindow);
        return;
    }
    // The window may be gone by the time the screen is black: find it again then.
    const std::string windowName = ParentWindow->Name;
    GetScreenFader().FadeOutThen([windowName](int) {
        WindowManager& manager = GetWindowManager();
        if (const GUI_WindowBase* window = manager.FindWindow(windowName))
            manager.Close(const_cast<GUI_WindowBase*>(window));
    }, 0);
}
