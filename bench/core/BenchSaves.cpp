// Saving and loading a game at 2,000 and 200,000 voters: the file (written in
// memory, then synced and renamed) and the whole load (read, check, rebuild).
// The target at 2,000 voters is under 50 ms each way; "bytes" is the file size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gamedata/MissionList.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SaveGameWriter.h"
#include "gamedata/SaveGames.h"
#include "gamedata/SetupSection.h"
#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"
#include "politics/ElectionManager.h"
#include "sim/Calendar.h"
#include "sim/NeuralEffect.h"
#include "sim/SimRandom.h"
#include "sim/TurnProcessor.h"

namespace {

// A game of that many voters, a few turns in, in a scratch user folder.
class SavedBenchGame {
public:
    static SavedBenchGame& Get()
    {
        static SavedBenchGame game;
        return game;
    }

    void Start(int voters)
    {
        if (mVoters == voters)
            return;
        std::string out;
        std::istringstream lines(mSetupText);
        std::string line;
        while (std::getline(lines, line))
            out += (line.rfind("AIENTITIES=", 0) == 0 ? "AIENTITIES=" + std::to_string(voters) : line) + "\n";
        std::ofstream(mFolder + "/data.ini") << out;
        SetupSection::Load(mFolder + "/data.ini");
        SIM_Mission& mission = SIM_Mission::Get();
        mission.Clear();
        mission.SetFile(mMissionPath);
        mission.Load();
        ElectionManager::SetTermLengthYears(mission.TermLength());
        Calendar::Get().Set(0, 0);
        SimRandom::Seed(1);
        SetUpGame("bench");
        for (int turn = 0; turn < 3; ++turn)
            NextTurn();
        mVoters = voters;
    }

    ~SavedBenchGame()
    {
        std::error_code ec;
        std::filesystem::remove_all(mFolder, ec);
    }

private:
    SavedBenchGame()
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
};

void FileSize(benchmark::State& state)
{
    std::error_code ec;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(SaveGames::PathOf("bench"), ec));
}

void BM_WriteSaveText(benchmark::State& state)
{
    SavedBenchGame::Get().Start(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveGameWriter::Write("bench"));
}

void BM_SaveGame(benchmark::State& state)
{
    SavedBenchGame::Get().Start(static_cast<int>(state.range(0)));
    for (auto _ : state)
        if (!SaveGames::Save("bench").ok)
            state.SkipWithError("save failed");
    FileSize(state);
}

void BM_LoadGame(benchmark::State& state)
{
    SavedBenchGame::Get().Start(static_cast<int>(state.range(0)));
    if (!SaveGames::Save("bench").ok) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state)
        if (!SaveGames::Load("bench").ok)
            state.SkipWithError("load refused");
    FileSize(state);
}

}  // namespace

BENCHMARK(BM_WriteSaveText)->Arg(2000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveGame)->Arg(2000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGame)->Arg(2000)->Arg(200000)->Unit(benchmark::kMillisecond);
