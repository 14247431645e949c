// NextTurn and SetUpGame on the first data set at three population sizes.
// Run from the source folder (the data files are opened relative to it).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
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
#include "politics/SIM_Voter.h"
#include "sim/Calendar.h"
#include "sim/NeuralEffect.h"
#include "sim/SimRandom.h"
#include "sim/TurnProcessor.h"

namespace {

// A scratch folder for the user tree and a setup section with AIENTITIES replaced.
class BenchGame {
public:
    static BenchGame& Get()
    {
        static BenchGame game;
        return game;
    }

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
    }

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
        SetRunning(true);
        std::vector<MissionChoice> missions = MissionList::List("");
        mMissionPath = missions.empty() ? "" : missions[0].path;
    }

    std::string mSetupText;
    std::string mFolder;
    std::string mMissionPath;
    int mVoters = -1;
};

void SetVoterCounters(benchmark::State& state, int voters)
{
    state.counters["voters"] = static_cast<double>(voters);
    // Seconds per voter per iteration, shown as ns by the per-voter rate.
    state.counters["per_voter"] =
        benchmark::Counter(static_cast<double>(voters), benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}

void BM_NextTurn(benchmark::State& state)
{
    int voters = static_cast<int>(state.range(0));
    BenchGame& game = BenchGame::Get();
    game.Prepare(voters);
    game.SetUp(1);
    if (SIM_Voter::PopulationCount() != static_cast<size_t>(voters)) {
        state.SkipWithError("population not created");
        return;
    }
    int turns = 0;
    for (auto _ : state) {
        NextTurn();
        // A long run plays many terms; start again now and then so that the
        // turns measured stay those of a game in progress.
        if (++turns % 60 == 0) {
            state.PauseTiming();
            game.SetUp(static_cast<uint32_t>(turns));
            state.ResumeTiming();
        }
    }
    SetVoterCounters(state, voters);
}

void BM_SetUpGame(benchmark::State& state)
{
    int voters = static_cast<int>(state.range(0));
    BenchGame& game = BenchGame::Get();
    game.Prepare(voters);
    uint32_t seed = 1;
    for (auto _ : state)
        game.SetUp(seed++);
    SetVoterCounters(state, voters);
}

}  // namespace

// Targets: per_voter of NextTurn at 200,000 and 1,000,000 within 1.5 times
// that at 2,000; a turn at 1,000,000 under 1 s; SetUpGame at 1,000,000 under 3 s.
BENCHMARK(BM_NextTurn)->Arg(2000)->Arg(20000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetUpGame)->Arg(2000)->Arg(20000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
