#pragma once
#include <string>

#include "gamedata/IniSection.h"

// Which tutorial hints the player has already seen: section "hints" of
// "<user folder>/hints.txt". A hint the file does not know yet is added as
// not shown; saving writes each state as 1.00 or 0.00.
class HintsFile {
public:
    static constexpr const char* kSection = "hints";

    static HintsFile& Get();

    void Load();
    // Whether the hint was shown; an unknown hint is added with "0".
    bool Register(const std::string& name);
    void SetShown(const std::string& name, bool shown) { mSection.SetFloat(name, shown ? 1.0f : 0.0f); }
    // Writes the file atomically; on failure the old file stays and it is logged.
    bool Save() const;

    std::string Path() const;  // "<user folder>/hints.txt"; "" before the user folders exist
    IniSection& Section() { return mSection; }

private:
    IniSection mSection;
};
