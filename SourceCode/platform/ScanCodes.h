#pragma once

// Keyboard scan codes as the game numbers keys (the classic PC set-1 codes,
// with 0x80 added for the extended keys). Screens compare OnKey's argument
// with these; the platform layer translates its own key codes to them.
namespace ScanCode {
constexpr int Escape = 0x01;
constexpr int Digit1 = 0x02;  // Digit1..Digit9 are 0x02..0x0A
constexpr int Digit0 = 0x0B;
constexpr int Minus = 0x0C;
constexpr int Equals = 0x0D;
constexpr int Backspace = 0x0E;
constexpr int Tab = 0x0F;
constexpr int Q = 0x10, W = 0x11, E = 0x12, R = 0x13, T = 0x14, Y = 0x15, U = 0x16, I = 0x17, O = 0x18, P = 0x19;
constexpr int LeftBracket = 0x1A;
constexpr int RightBracket = 0x1B;
constexpr int Return = 0x1C;
constexpr int LeftControl = 0x1D;
constexpr int A = 0x1E, S = 0x1F, D = 0x20, F = 0x21, G = 0x22, H = 0x23, J = 0x24, K = 0x25, L = 0x26;
constexpr int Semicolon = 0x27;
constexpr int Apostrophe = 0x28;
constexpr int Grave = 0x29;
constexpr int LeftShift = 0x2A;
constexpr int Backslash = 0x2B;
constexpr int Z = 0x2C, X = 0x2D, C = 0x2E, V = 0x2F, B = 0x30, N = 0x31, M = 0x32;
constexpr int Comma = 0x33;
constexpr int Period = 0x34;
constexpr int Slash = 0x35;
constexpr int RightShift = 0x36;
constexpr int NumpadMultiply = 0x37;
constexpr int LeftAlt = 0x38;
constexpr int Space = 0x39;
constexpr int CapsLock = 0x3A;
constexpr int F1 = 0x3B;  // F1..F10 are 0x3B..0x44
constexpr int F6 = 0x40;
constexpr int F10 = 0x44;
constexpr int NumLock = 0x45;
constexpr int ScrollLock = 0x46;
constexpr int Numpad7 = 0x47, Numpad8 = 0x48, Numpad9 = 0x49;
constexpr int NumpadMinus = 0x4A;
constexpr int Numpad4 = 0x4B, Numpad5 = 0x4C, Numpad6 = 0x4D;
constexpr int NumpadPlus = 0x4E;
constexpr int Numpad1 = 0x4F, Numpad2 = 0x50, Numpad3 = 0x51, Numpad0 = 0x52;
constexpr int NumpadPeriod = 0x53;
constexpr int NonUsBackslash = 0x56;
constexpr int F11 = 0x57;
constexpr int F12 = 0x58;
constexpr int NumpadEnter = 0x9C;
constexpr int RightControl = 0x9D;
constexpr int NumpadDivide = 0xB5;
constexpr int PrintScreen = 0xB7;
constexpr int RightAlt = 0xB8;
constexpr int Pause = 0xC5;
constexpr int Home = 0xC7;
constexpr int Up = 0xC8;
constexpr int PageUp = 0xC9;
constexpr int Left = 0xCB;
constexpr int Right = 0xCD;
constexpr int End = 0xCF;
constexpr int Down = 0xD0;
constexpr int PageDown = 0xD1;
constexpr int Insert = 0xD2;
constexpr int Delete = 0xD3;
constexpr int LeftWindows = 0xDB;
constexpr int RightWindows = 0xDC;
constexpr int Menu = 0xDD;
}  // namespace ScanCode
