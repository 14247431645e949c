#pragma once
// The game's one palette: deep navy and slate for surfaces, off-white for text and
// glyphs, a warm amber accent, and muted signal colours for good and bad news.
#include "Colour.h"

namespace Palette {
inline const Colour kNight = Colour::Hex(0x0E1628);      // deepest background
inline const Colour kNavy = Colour::Hex(0x16223A);       // panel body
inline const Colour kNavyLight = Colour::Hex(0x22324F);  // raised panel
inline const Colour kSlate = Colour::Hex(0x3A4E70);      // borders, inactive parts
inline const Colour kSlateLight = Colour::Hex(0x6F86AA); // highlights on slate
inline const Colour kMist = Colour::Hex(0xC9D4E5);       // soft light lines
inline const Colour kPaper = Colour::Hex(0xF2F5FA);      // glyphs and text
inline const Colour kAmber = Colour::Hex(0xE3A23B);      // the warm accent
inline const Colour kAmberLight = Colour::Hex(0xF4C670);
inline const Colour kGood = Colour::Hex(0x3E9E6A);
inline const Colour kBad = Colour::Hex(0xC4483A);
inline const Colour kClear = Colour{0, 0, 0, 0};
}  // namespace Palette
