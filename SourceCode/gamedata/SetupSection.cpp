#include "gamedata/SetupSection.h"

#include "engine/Diagnostics.h"
#include "platform/NumberText.h"

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
    const IniSection& setup = SetupSection::Get();
    const std::string text = setup.GetText(key);
    // A word where a number belongs would quietly read as 0.
    if (!text.empty() && !NumberText::IsNumber(text)) {
        const std::string previous = Diagnostics::SetDataContext(
            setup.FileName() + ":" + std::to_string(setup.LineOf(key)) + ": " + key + "=" + text);
        try {
            FATAL_ERROR(key + " must be a number");
        } catch (...) {
            Diagnostics::SetDataContext(previous);
            throw;
        }
    }
    return setup.GetFloat(key, defaultValue);
}

std::string GetTableLocation(const std::string& key) { return SetupSection::Get().GetText(key); }
