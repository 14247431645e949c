// NextTurn and SetUpGame on the first data set at four population sizes.
#include <benchmark/benchmark.h>
#include "BenchGame.h"
#include "politics/SIM_Voter.h"

namespace {

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
