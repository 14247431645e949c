#pragma once
// One game for every core benchmark: a scratch user folder, and the first
// mission's data with AIENTITIES replaced. Run from the source folder (the
// data files are opened relative to it).
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gamedata/MissionList.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SetupSection.h"
#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"
#include "politics/ElectionManager.h"
#include "sim/Calendar.h"
#include "sim/NeuralEffect.h"
#include "sim/SimRandom.h"
#include "sim/TurnProcessor.h"

class BenchGame {
public:
    static BenchGame& Get()
    {
        static BenchGame game;
        return game;
    }

    // The setup section asks for that many voters from now on.
    void Prepare(int voters)
    {
        if (mVoters == voters)
            return;
        std::string out;
        std::istringstream lines(mSetupText);
        std::string line;
        while (std::getline(lines, line))
            out += (line.rfind("AIENTITIES=", 0) == 0 ? "AIENTITIES=" + std::to_string(voters) : line) + "\n";
        std::string file = mFolder + "/data.ini";
        std::ofstream(file) << out;
        SetupSection::Load(file);
        mVoters = voters;
    }

    // A new game of the prepared size.
    void SetUp(uint32_t seed)
    {
        SIM_Mission& mission = SIM_Mission::Get();
        mission.Clear();
        mission.SetFile(mMissionPath);
        mission.Load();
        ElectionManager::SetTermLengthYears(mission.TermLength());
        Calendar::Get().Set(0, 0);
        SimRandom::Seed(seed);
        SetUpGame("bench");
        ++mGames;
    }

    // How many games were set up: a benchmark that left its game to another
    // sees that it has changed.
    int Games() const { return mGames; }

    ~BenchGame()
    {
        std::error_code ec;
        std::filesystem::remove_all(mFolder, ec);
    }

private:
    BenchGame()
    {
#ifdef RULECRAFT_SOURCE_DIR
        if (!PlatformFiles::IsDirectory("data"))
            (void)!chdir(RULECRAFT_SOURCE_DIR);
#endif
        PlatformFiles::ReadFile("data/data.ini", mSetupText);
        std::string pattern = (std::filesystem::temp_directory_path() / "rulecraft-bench-XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        mFolder = mkdtemp(buffer.data()) ? buffer.data() : ".";
        UserFolders::Get().SetBaseFolder(mFolder);
        UserFolders::Get().Create();
        Options::Get().Load();
        Options::Get().SetFloat("AUTOSAVE", 0.0f);
        SetRunning(true);
        std::vector<MissionChoice> missions = MissionList::List("");
        mMissionPath = missions.empty() ? "" : missions[0].path;
    }

    std::string mSetupText;
    std::string mFolder;
    std::string mMissionPath;
    int mVoters = -1;
    int mGames = 0;
};
