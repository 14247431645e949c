#include "gamedata/Options.h"

#include "engine/Diagnostics.h"
#include "gamedata/UserSettingsFile.h"

Options& Options::Get()
{
    static Options options;
    return options;
}

void Options::Load()
{
    UserSettingsFile file(kShippedFile);
    mLoadedFrom = file.ReadPath();
    mSection.Load(kSection, file.ShippedPath());
    if (mLoadedFrom == file.ShippedPath())
        return;
    IniSection players;
    players.Load(kSection, mLoadedFrom);
    if (mSection.Count() == 0) {
        // No shipped defaults (a damaged install): the player's own options
        // are all there is, and saving must not throw them away.
        TRACE_MESSAGE("No options in " + file.ShippedPath() + ", using " + mLoadedFrom);
        mSection = players;
        return;
    }
    for (const IniEntry& entry : mSection.Entries())
        if (players.Has(entry.key))
            mSection.SetFloat(entry.key, players.GetFloat(entry.key, 0.0f));
}

bool Options::Save() const { return mSection.Save(UserSettingsFile(kShippedFile).WritePath()); }

bool Options::Toggle(const std::string& key)
{
    SetFloat(key, GetFloat(key) == 1.0f ? 0.0f : 1.0f);
    return GetFloat(key) == 1.0f;
}
