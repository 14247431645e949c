#include "gamedata/SetupSection.h"

namespace {
struct SetupData {
    IniSection section;
    bool loaded = false;
};

SetupData& Data()
{
    static SetupData data;
    return data;
}
}  // namespace

void SetupSection::Load(const std::string& file)
{
    Data().section.Load(kSection, file);
    Data().loaded = true;
}

const IniSection& SetupSection::Get() { return Data().section; }

bool SetupSection::IsLoaded() { return Data().loaded; }

float GetTuningValue(const std::string& key, float defaultValue)
{
    return SetupSection::Get().GetFloat(key, defaultValue);
}

std::string GetTableLocation(const std::string& key) { return SetupSection::Get().GetText(key); }
