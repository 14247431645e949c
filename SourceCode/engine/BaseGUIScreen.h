#pragma once

// Base of every full screen. The game shows one at a time (see Game::SetState);
// each screen is a singleton created the first time its state is entered.
class BaseGUIScreen {
public:
    virtual ~BaseGUIScreen() = default;

    // Every frame, after Update.
    virtual void Render() = 0;
    // A left press at (x, y) in screen pixels; true when the screen used it.
    virtual bool OnClick(float x, float y) { (void)x; (void)y; return false; }
    // A key press, by keyboard scan code (see ScanCodes.h).
    virtual void OnKey(int scanCode) { (void)scanCode; }
    // Each time the screen becomes current; screens rebuild their widgets here.
    virtual void Activate() {}
    // When another screen takes over; screens stop their background work here.
    virtual void Deactivate() {}
    // Every frame, before Render.
    virtual void Update() {}
};
