// Saving and loading a game at 2,000, 200,000 and 1,000,000 voters: the file
// (written in memory, then synced and renamed) and the whole load (read,
// check, rebuild). Targets: under 50 ms each way at 2,000 voters, under 2 s
// at 1,000,000; "bytes" is the file size.
#include <benchmark/benchmark.h>
#include <filesystem>

#include "BenchGame.h"
#include "gamedata/SaveGameWriter.h"
#include "gamedata/SaveGames.h"

namespace {

// A game of that many voters, a few turns in.
void StartGame(int voters)
{
    static int started = -1;
    static int game = -1;
    BenchGame& bench = BenchGame::Get();
    if (started == voters && game == bench.Games())
        return;
    bench.Prepare(voters);
    bench.SetUp(1);
    for (int turn = 0; turn < 3; ++turn)
        NextTurn();
    started = voters;
    game = bench.Games();
}

void FileSize(benchmark::State& state)
{
    std::error_code ec;
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(SaveGames::PathOf("bench"), ec));
}

void BM_WriteSaveText(benchmark::State& state)
{
    StartGame(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveGameWriter::Write("bench"));
}

void BM_SaveGame(benchmark::State& state)
{
    StartGame(static_cast<int>(state.range(0)));
    for (auto _ : state)
        if (!SaveGames::Save("bench").ok)
            state.SkipWithError("save failed");
    FileSize(state);
}

void BM_LoadGame(benchmark::State& state)
{
    StartGame(static_cast<int>(state.range(0)));
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

BENCHMARK(BM_WriteSaveText)->Arg(2000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveGame)->Arg(2000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGame)->Arg(2000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);
