#include "engine/CInput.h"

#include "engine/BaseGUIScreen.h"
#include "engine/Game.h"
#include "engine/ScreenFader.h"
#include "engine/ShellHooks.h"
#include "platform/ScanCodes.h"
#include "sim/NeuralEffect.h"

CInput& GetInput()
{
    static CInput input;
    return input;
}

void CInput::Update()
{
    mRunningAtUpdate = IsRunning();
    CBaseInputManager::Update();
    HoverClaimed = false;
}

void CInput::OnLeftButtonDown()
{
    if (ClicksBlocked)
        return;
    CBaseInputManager::OnLeftButtonDown();
    if (BaseGUIScreen* screen = GetGame().CurrentScreen)
        screen->OnClick(MouseX, MouseY);
    if (CloseRightClickMenu)
        CloseRightClickMenu();
}

bool CInput::KeepsHandling() const { return !mRunningAtUpdate || IsRunning(); }

void CInput::OnLeftButtonUp() { CBaseInputManager::OnLeftButtonUp(); }

void CInput::OnWheelUp() { ShellHooks::OnWheel(1); }

void CInput::OnWheelDown() { ShellHooks::OnWheel(-1); }

void CInput::OnRightButtonDown()
{
    if (GetGame().State == STATE_MAIN && OpenRightClickMenu)
        OpenRightClickMenu(MouseX, MouseY);
}

void CInput::OnKeyDown(int scanCode)
{
    if (scanCode == ScanCode::Return && IsKeyDown(ScanCode::LeftAlt))
        GetGame().ToggleDisplayMode();
    // A fade ends in its own screen change; a key must not start another under it.
    if (GetScreenFader().GetMode() != ScreenFader::kIdle)
        return;
    if (BaseGUIScreen* screen = GetGame().CurrentScreen)
        screen->OnKey(scanCode);
}
