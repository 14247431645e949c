#pragma once

// Typing names with the keyboard: the character a key gives (0 for none),
// upper case for letters while Shift is held.
namespace TypedKeys {

char CharacterFor(int scanCode, bool shift);
// Country names take letters, digits, the apostrophe, the hyphen and the space.
bool AllowedInName(char c);

}  // namespace TypedKeys
