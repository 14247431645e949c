#include "platform/sdl/SdlInput.h"

#include <SDL.h>

#include <array>

#include "platform/ScanCodes.h"
#include "platform/sdl/SdlVideo.h"

namespace SdlInput {

namespace {

struct KeyPair {
    SDL_Scancode sdl;
    int scanCode;
};

constexpr KeyPair kKeys[] = {
    {SDL_SCANCODE_ESCAPE, ScanCode::Escape},
    {SDL_SCANCODE_1, 0x02}, {SDL_SCANCODE_2, 0x03}, {SDL_SCANCODE_3, 0x04}, {SDL_SCANCODE_4, 0x05},
    {SDL_SCANCODE_5, 0x06}, {SDL_SCANCODE_6, 0x07}, {SDL_SCANCODE_7, 0x08}, {SDL_SCANCODE_8, 0x09},
    {SDL_SCANCODE_9, 0x0A}, {SDL_SCANCODE_0, ScanCode::Digit0},
    {SDL_SCANCODE_MINUS, ScanCode::Minus}, {SDL_SCANCODE_EQUALS, ScanCode::Equals},
    {SDL_SCANCODE_BACKSPACE, ScanCode::Backspace}, {SDL_SCANCODE_TAB, ScanCode::Tab},
    {SDL_SCANCODE_Q, ScanCode::Q}, {SDL_SCANCODE_W, ScanCode::W}, {SDL_SCANCODE_E, ScanCode::E},
    {SDL_SCANCODE_R, ScanCode::R}, {SDL_SCANCODE_T, ScanCode::T}, {SDL_SCANCODE_Y, ScanCode::Y},
    {SDL_SCANCODE_U, ScanCode::U}, {SDL_SCANCODE_I, ScanCode::I}, {SDL_SCANCODE_O, ScanCode::O},
    {SDL_SCANCODE_P, ScanCode::P},
    {SDL_SCANCODE_LEFTBRACKET, ScanCode::LeftBracket}, {SDL_SCANCODE_RIGHTBRACKET, ScanCode::RightBracket},
    {SDL_SCANCODE_RETURN, ScanCode::Return}, {SDL_SCANCODE_LCTRL, ScanCode::LeftControl},
    {SDL_SCANCODE_A, ScanCode::A}, {SDL_SCANCODE_S, ScanCode::S}, {SDL_SCANCODE_D, ScanCode::D},
    {SDL_SCANCODE_F, ScanCode::F}, {SDL_SCANCODE_G, ScanCode::G}, {SDL_SCANCODE_H, ScanCode::H},
    {SDL_SCANCODE_J, ScanCode::J}, {SDL_SCANCODE_K, ScanCode::K}, {SDL_SCANCODE_L, ScanCode::L},
    {SDL_SCANCODE_SEMICOLON, ScanCode::Semicolon}, {SDL_SCANCODE_APOSTROPHE, ScanCode::Apostrophe},
    {SDL_SCANCODE_GRAVE, ScanCode::Grave}, {SDL_SCANCODE_LSHIFT, ScanCode::LeftShift},
    {SDL_SCANCODE_BACKSLASH, ScanCode::Backslash},
    {SDL_SCANCODE_Z, ScanCode::Z}, {SDL_SCANCODE_X, ScanCode::X}, {SDL_SCANCODE_C, ScanCode::C},
    {SDL_SCANCODE_V, ScanCode::V}, {SDL_SCANCODE_B, ScanCode::B}, {SDL_SCANCODE_N, ScanCode::N},
    {SDL_SCANCODE_M, ScanCode::M},
    {SDL_SCANCODE_COMMA, ScanCode::Comma}, {SDL_SCANCODE_PERIOD, ScanCode::Period},
    {SDL_SCANCODE_SLASH, ScanCode::Slash}, {SDL_SCANCODE_RSHIFT, ScanCode::RightShift},
    {SDL_SCANCODE_KP_MULTIPLY, ScanCode::NumpadMultiply}, {SDL_SCANCODE_LALT, ScanCode::LeftAlt},
    {SDL_SCANCODE_SPACE, ScanCode::Space}, {SDL_SCANCODE_CAPSLOCK, ScanCode::CapsLock},
    {SDL_SCANCODE_F1, 0x3B}, {SDL_SCANCODE_F2, 0x3C}, {SDL_SCANCODE_F3, 0x3D}, {SDL_SCANCODE_F4, 0x3E},
    {SDL_SCANCODE_F5, 0x3F}, {SDL_SCANCODE_F6, 0x40}, {SDL_SCANCODE_F7, 0x41}, {SDL_SCANCODE_F8, 0x42},
    {SDL_SCANCODE_F9, 0x43}, {SDL_SCANCODE_F10, ScanCode::F10},
    {SDL_SCANCODE_NUMLOCKCLEAR, ScanCode::NumLock}, {SDL_SCANCODE_SCROLLLOCK, ScanCode::ScrollLock},
    {SDL_SCANCODE_KP_7, ScanCode::Numpad7}, {SDL_SCANCODE_KP_8, ScanCode::Numpad8},
    {SDL_SCANCODE_KP_9, ScanCode::Numpad9}, {SDL_SCANCODE_KP_MINUS, ScanCode::NumpadMinus},
    {SDL_SCANCODE_KP_4, ScanCode::Numpad4}, {SDL_SCANCODE_KP_5, ScanCode::Numpad5},
    {SDL_SCANCODE_KP_6, ScanCode::Numpad6}, {SDL_SCANCODE_KP_PLUS, ScanCode::NumpadPlus},
    {SDL_SCANCODE_KP_1, ScanCode::Numpad1}, {SDL_SCANCODE_KP_2, ScanCode::Numpad2},
    {SDL_SCANCODE_KP_3, ScanCode::Numpad3}, {SDL_SCANCODE_KP_0, ScanCode::Numpad0},
    {SDL_SCANCODE_KP_PERIOD, ScanCode::NumpadPeriod}, {SDL_SCANCODE_NONUSBACKSLASH, ScanCode::NonUsBackslash},
    {SDL_SCANCODE_F11, ScanCode::F11}, {SDL_SCANCODE_F12, ScanCode::F12},
    {SDL_SCANCODE_KP_ENTER, ScanCode::NumpadEnter}, {SDL_SCANCODE_RCTRL, ScanCode::RightControl},
    {SDL_SCANCODE_KP_DIVIDE, ScanCode::NumpadDivide}, {SDL_SCANCODE_PRINTSCREEN, ScanCode::PrintScreen},
    {SDL_SCANCODE_RALT, ScanCode::RightAlt}, {SDL_SCANCODE_PAUSE, ScanCode::Pause},
    {SDL_SCANCODE_HOME, ScanCode::Home}, {SDL_SCANCODE_UP, ScanCode::Up}, {SDL_SCANCODE_PAGEUP, ScanCode::PageUp},
    {SDL_SCANCODE_LEFT, ScanCode::Left}, {SDL_SCANCODE_RIGHT, ScanCode::Right}, {SDL_SCANCODE_END, ScanCode::End},
    {SDL_SCANCODE_DOWN, ScanCode::Down}, {SDL_SCANCODE_PAGEDOWN, ScanCode::PageDown},
    {SDL_SCANCODE_INSERT, ScanCode::Insert}, {SDL_SCANCODE_DELETE, ScanCode::Delete},
    {SDL_SCANCODE_LGUI, ScanCode::LeftWindows}, {SDL_SCANCODE_RGUI, ScanCode::RightWindows},
    {SDL_SCANCODE_APPLICATION, ScanCode::Menu},
};

const std::array<int, SDL_NUM_SCANCODES>& SdlToGame()
{
    static const std::array<int, SDL_NUM_SCANCODES> table = [] {
        std::array<int, SDL_NUM_SCANCODES> t{};
        for (const KeyPair& key : kKeys)
            t[key.sdl] = key.scanCode;
        return t;
    }();
    return table;
}

}  // namespace

int ToScanCode(int sdlScancode)
{
    if (sdlScancode <= 0 || sdlScancode >= SDL_NUM_SCANCODES)
        return 0;
    return SdlToGame()[sdlScancode];
}

int FromScanCode(int scanCode)
{
    for (const KeyPair& key : kKeys)
        if (key.scanCode == scanCode)
            return key.sdl;
    return SDL_SCANCODE_UNKNOWN;
}

bool Translate(const SDL_Event& event, const SdlVideo& video, InputRecord& record)
{
    float x = 0.0f;
    float y = 0.0f;
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        if (event.key.repeat)
            return false;
        int scanCode = ToScanCode(event.key.keysym.scancode);
        if (scanCode == 0)
            return false;
        record = InputRecord::Key(event.type == SDL_KEYDOWN, scanCode);
        return true;
    }
    case SDL_MOUSEMOTION:
        video.WindowToLogical(static_cast<float>(event.motion.x), static_cast<float>(event.motion.y), x, y);
        record = InputRecord::Motion(x, y, event.motion.xrel, event.motion.yrel);
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int button;
        if (event.button.button == SDL_BUTTON_LEFT)
            button = 0;
        else if (event.button.button == SDL_BUTTON_RIGHT)
            button = 1;
        else
            return false;
        video.WindowToLogical(static_cast<float>(event.button.x), static_cast<float>(event.button.y), x, y);
        record = InputRecord::Button(event.type == SDL_MOUSEBUTTONDOWN, button, x, y);
        return true;
    }
    case SDL_MOUSEWHEEL: {
        int steps = event.wheel.y;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED)
            steps = -steps;
        if (steps == 0)
            return false;
        record = InputRecord::Wheel(steps);
        return true;
    }
    default:
        return false;
    }
}

}  // namespace SdlInput
