#include "gamedata/UserSettingsFile.h"

#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"

std::string UserSettingsFile::PlayerPath() const
{
    const std::string& folder = UserFolders::Get().UserFolder();
    if (folder.empty())
        return "";
    return folder + "/" + PlatformFiles::FileNameOf(mShippedPath);
}

std::string UserSettingsFile::ReadPath() const
{
    std::string player = PlayerPath();
    if (!player.empty() && PlatformFiles::IsFile(player))
        return player;
    return mShippedPath;
}
