#include "gamedata/HintsFile.h"

#include "gamedata/UserFolders.h"

HintsFile& HintsFile::Get()
{
    static HintsFile hints;
    return hints;
}

std::string HintsFile::Path() const
{
    // Before the user folders exist there is no place for the file (never the file-system root).
    const std::string& folder = UserFolders::Get().UserFolder();
    return folder.empty() ? std::string() : folder + "/hints.txt";
}

void HintsFile::Load() { mSection.Load(kSection, Path()); }

bool HintsFile::Register(const std::string& name)
{
    if (mSection.Has(name))
        return mSection.GetInt(name) != 0;
    mSection.Add(name, "0");
    return false;
}

bool HintsFile::Save() const { return mSection.Save(Path()); }
