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

void HintsFile::Load() { section_.Load(kSection, Path()); }

bool HintsFile::Register(const std::string& name)
{
    if (section_.Has(name))
        return section_.GetInt(name) != 0;
    section_.Add(name, "0");
    return false;
}

bool HintsFile::Save() const { return section_.Save(Path()); }
