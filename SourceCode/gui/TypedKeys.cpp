#include "gui/TypedKeys.h"

#include <cctype>
#include <string_view>

#include "platform/ScanCodes.h"

namespace TypedKeys {

char CharacterFor(int scanCode, bool shift)
{
    static constexpr std::string_view kRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
    static constexpr int kRowStarts[] = {ScanCode::Q, ScanCode::A, ScanCode::Z};
    for (int row = 0; row < 3; ++row) {
        const int offset = scanCode - kRowStarts[row];
        if (offset >= 0 && offset < static_cast<int>(kRows[row].size())) {
            const char c = kRows[row][static_cast<size_t>(offset)];
            return shift ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        }
    }
    if (scanCode >= ScanCode::Digit1 && scanCode <= ScanCode::Digit0)
        return scanCode == ScanCode::Digit0 ? '0' : static_cast<char>('1' + scanCode - ScanCode::Digit1);
    switch (scanCode) {
    case ScanCode::Numpad1: return '1';
    case ScanCode::Numpad2: return '2';
    case ScanCode::Numpad3: return '3';
    case ScanCode::Numpad4: return '4';
    case ScanCode::Numpad5: return '5';
    case ScanCode::Numpad6: return '6';
    case ScanCode::Numpad7: return '7';
    case ScanCode::Numpad8: return '8';
    case ScanCode::Numpad9: return '9';
    case ScanCode::Numpad0: return '0';
    case ScanCode::Minus:
    case ScanCode::NumpadMinus: return '-';
    case ScanCode::Apostrophe: return '\'';
    case ScanCode::Comma: return ',';
    case ScanCode::Period:
    case ScanCode::NumpadPeriod: return '.';
    case ScanCode::Space: return ' ';
    default: return 0;
    }
}

bool AllowedInName(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '\'' || c == '-' || c == ' ';
}

}  // namespace TypedKeys
