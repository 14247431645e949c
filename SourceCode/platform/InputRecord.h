#pragma once

// One buffered keyboard or mouse event, as the platform layer hands it to the
// input manager. Positions are in screen (logical) pixels.
struct InputRecord {
    enum class Type { Motion, Wheel, ButtonDown, ButtonUp, KeyDown, KeyUp };

    Type type = Type::Motion;
    float x = 0.0f;   // cursor position at the event (motion and button records)
    float y = 0.0f;
    int deltaX = 0;   // relative motion (Motion)
    int deltaY = 0;
    int wheel = 0;    // wheel steps, positive away from the user (Wheel)
    int button = 0;   // physical button: 0 primary, 1 secondary (ButtonDown/Up)
    int scanCode = 0; // key scan code (KeyDown/Up)

    static InputRecord Motion(float x, float y, int deltaX, int deltaY)
    {
        InputRecord r;
        r.type = Type::Motion;
        r.x = x;
        r.y = y;
        r.deltaX = deltaX;
        r.deltaY = deltaY;
        return r;
    }
    static InputRecord Wheel(int steps)
    {
        InputRecord r;
        r.type = Type::Wheel;
        r.wheel = steps;
        return r;
    }
    static InputRecord Button(bool pressed, int button, float x, float y)
    {
        InputRecord r;
        r.type = pressed ? Type::ButtonDown : Type::ButtonUp;
        r.button = button;
        r.x = x;
        r.y = y;
        return r;
    }
    static InputRecord Key(bool pressed, int scanCode)
    {
        InputRecord r;
        r.type = pressed ? Type::KeyDown : Type::KeyUp;
        r.scanCode = scanCode;
        return r;
    }
};
