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
    loadedFrom_ = file.ReadPath();
    section_.Load(kSection, file.ShippedPath());
    if (loadedFrom_ == file.ShippedPath())
        return;
    IniSection players;
    players.Load(kSection, loadedFrom_);
    if (section_.Count() == 0) {
        // No shipped defaults (a damaged install): the player's own options
        // are all there is, and saving must not throw them away.
        TRACE_MESSAGE("No options in " + file.ShippedPath() + ", using " + loadedFrom_);
        section_ = players;
        return;
    }
    for (const IniEntry& entry : section_.Entries())
        if (players.Has(entry.key))
            section_.SetFloat(entry.key, players.GetFloat(entry.key, 0.0f));
}

bool Options::Save() const { return section_.Save(UserSettingsFile(kShippedFile).WritePath()); }
