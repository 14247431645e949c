#include "gui/GUI_Screen.h"

#include "gui/WindowManager.h"

bool GUI_Screen::OnClick(float, float)
{
    if (GetWindowManager().OnLeftClick())
        return true;
    return ClickButtons();
}

void GUI_Screen::DrawButtonsAndWindows()
{
    DrawButtons();
    WindowManager& windows = GetWindowManager();
    windows.DrawWindows();
    windows.DrawOverlays();
}
