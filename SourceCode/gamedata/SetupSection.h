#pragma once
#include <string>

#include "gamedata/IniSection.h"

// The "setup" section of "data/data.ini", loaded once at start-up: where the
// main tables are (simulation, situations, policies, voters) and the tuning
// numbers of the simulation, read by name.
class SetupSection {
public:
    static constexpr const char* kFile = "data/data.ini";
    static constexpr const char* kSection = "setup";

    static void Load(const std::string& file = kFile);
    static const IniSection& Get();
    static bool IsLoaded();
};

// A tuning number of the setup section, or the default when it is missing or empty.
float GetTuningValue(const std::string& key, float defaultValue);
// A table location of the setup section ("simulation", "policies", ...); "" when missing.
std::string GetTableLocation(const std::string& key);
