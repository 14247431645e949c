#include "politics/PartyNames.h"

#include "engine/Diagnostics.h"
#include "gamedata/IniSection.h"
#include "sim/SimRandom.h"

PartyNames& PartyNames::Get()
{
    static PartyNames names;
    return names;
}

void PartyNames::Load(const std::string& file)
{
    IniSection section;
    section.Load(kSection, file);
    mNames.clear();
    for (const IniEntry& entry : section.Entries())
        if (!entry.key.empty())
            mNames.push_back(entry.key);
}

std::string PartyNames::RandomName() const
{
    // An empty list would make the draw a division by zero.
    if (mNames.empty()) {
        TRACE_MESSAGE("no party names loaded");
        return "error";
    }
    return mNames[static_cast<size_t>(SimRandom::Next()) % mNames.size()];
}
