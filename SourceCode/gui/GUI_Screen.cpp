#include "gui/GUI_Screen.h"

#include "gui/WindowManager.h"

bool GUI_Screen::OnClick(float, float)
{
    WindowManager& windows = GetWindowManager();
    if ((!mModalWindowsOnly || windows.AnyModalOpen()) && windows.OnLeftClick())
        return true;
    return ClickButtons();
}

void GUI_Screen::DrawButtonsAndWindows()
{
    DrawButtons();
    WindowManager& windows = GetWindowManager();
    if (mModalWindowsOnly) {
        windows.DrawModalWindows();
        return;
    }
    windows.DrawWindows();
    windows.DrawOverlays();
}
