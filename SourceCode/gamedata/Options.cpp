#include "gamedata/Options.h"

#include "gamedata/UserSettingsFile.h"

Options& Options::Get()
{
    static Options options;
    return options;
}

void Options::Load()
{
    loadedFrom_ = UserSettingsFile(kShippedFile).ReadPath();
    section_.Load(kSection, loadedFrom_);
}

bool Options::Save() const { return section_.Save(UserSettingsFile(kShippedFile).WritePath()); }
