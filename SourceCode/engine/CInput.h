#pragma once
#include <functional>

#include "engine/CBaseInputManager.h"

// The game's input: routes left presses and keys to the current screen,
// right presses on the main screen to its right-click menu, and Alt+Return to
// the display-mode toggle. Interface code reads the cursor and flags here.
class CInput : public CBaseInputManager {
public:
    using CBaseInputManager::CBaseInputManager;

    void Update() override;
    void OnLeftButtonDown() override;
    void OnLeftButtonUp() override;
    void OnRightButtonDown() override;
    void OnKeyDown(int scanCode) override;
    // The wheel scrolls the window under the mouse.
    void OnWheelUp() override;
    void OnWheelDown() override;

    // Set by the first element that reacts to the hover this frame; cleared every update.
    bool HoverClaimed = false;
    // While set (a fade to black is running), left presses are ignored.
    bool ClicksBlocked = false;

    // The main screen's right-click menu, once it exists: open at the cursor, close.
    std::function<void(float x, float y)> OpenRightClickMenu;
    std::function<void()> CloseRightClickMenu;

protected:
    // Several presses can arrive in one frame; once one of them has shut the
    // game down, the others must not reach screens that are gone.
    bool KeepsHandling() const override;

private:
    bool mRunningAtUpdate = false;
};

// The process-wide input object.
CInput& GetInput();
