#include "gamedata/MissionList.h"

#include <algorithm>

#include "gamedata/IniSection.h"
#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"

std::vector<MissionChoice> MissionList::List(const std::string& userFolder)
{
    std::vector<std::string> patterns{kBasePattern};
    if (!userFolder.empty())
        for (const std::string& root : UserFolders::ModRootsOf(userFolder))
            patterns.push_back(root + "/data/missions/*.txt");
    return List(patterns);
}

std::vector<MissionChoice> MissionList::List(const std::vector<std::string>& patterns)
{
    std::vector<MissionChoice> missions;
    for (const std::string& pattern : patterns) {
        for (const std::string& path : PlatformFiles::FindFilePaths(pattern)) {
            IniSection config;
            config.Load("config", path);
            MissionChoice choice;
            choice.path = path;
            choice.name = config.GetText("name");
            choice.description = config.GetText("description");
            choice.thumb = config.GetText("thumb");
            choice.guiId = config.GetInt("gui_id");
            missions.push_back(choice);
        }
    }
    std::stable_sort(missions.begin(), missions.end(),
                     [](const MissionChoice& a, const MissionChoice& b) { return a.guiId < b.guiId; });
    return missions;
}
