#pragma once
#include <string>

#include "gamedata/IniSection.h"

// The player's options: section "options" of the options file. The shipped
// "data\\options.txt" holds the defaults and lists every option; the player's
// copy in the user folder, when it exists, overrides the defaults it mentions
// and is the one saved. An option added in a newer release is taken from the
// shipped file, and one that was dropped is forgotten.
// Values are fractions written "%.2f"; only options listed in the file can be set.
class Options {
public:
    static constexpr const char* kShippedFile = "data\\options.txt";
    static constexpr const char* kSection = "options";

    static Options& Get();

    void Load();
    // Writes the player's copy; on failure the old copy stays and it is logged.
    bool Save() const;

    float GetFloat(const std::string& key) const { return mSection.GetFloat(key, 0.0f); }
    bool IsOn(const std::string& key) const { return GetFloat(key) != 0.0f; }
    void SetFloat(const std::string& key, float value) { mSection.SetFloat(key, value); }
    // An on/off option: exactly 1.0 becomes 0.0, anything else 1.0. True when it is now on.
    bool Toggle(const std::string& key);

    IniSection& Section() { return mSection; }
    const std::string& LoadedFrom() const { return mLoadedFrom; }

private:
    IniSection mSection;
    std::string mLoadedFrom;
};
