// The population: creating it and the voters' per-turn update, at sizes from
// the shipped 2,000 up to 1,000,000 voters. The cost per voter must stay flat.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "gamedata/NamePool.h"
#include "gamedata/SetupSection.h"
#include "politics/SIM_Voter.h"
#include "politics/SIM_VoterManager.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/SimRandom.h"

namespace {

const std::string kSource = RULECRAFT_SOURCE_DIR;

// The shipped setup section with AIENTITIES replaced.
void UseSetup(int voters)
{
    std::ifstream in(kSource + "/data/data.ini");
    std::stringstream text;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("AIENTITIES=", 0) == 0)
            line = "AIENTITIES=" + std::to_string(voters);
        else if (line.rfind("voters=", 0) == 0)
            line = "voters=" + kSource + "/data/simulation/votertypes.csv";
        text << line << "\n";
    }
    std::string path = "/tmp/rulecraft-bench-voters.ini";
    std::ofstream(path) << text.str();
    SetupSection::Load(path);
    std::remove(path.c_str());
}

// Voter groups and the three income values, no population yet.
void PrepareGroups(int voters)
{
    SIM_VoterManager::Get().Release();
    Neuron::ClearNetwork();
    UseSetup(voters);
    NamePool::Get().LoadNames(kSource + "/data/simulation/names.txt");
    SIM_VoterManager::Get().LoadVoterTypes();
    for (const char* name : {"_LowIncome", "_MiddleIncome", "_HighIncome"}) {
        auto* neuron = new Neuron();
        neuron->SetName(name);
    }
    SimRandom::Seed(1);
}

// Small blocks and the large arrays malloc maps on their own.
size_t AllocatedBytes()
{
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void PerVoter(benchmark::State& state, int voters)
{
    state.counters["time_per_voter"] =
        benchmark::Counter(voters, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CreatePopulation(benchmark::State& state)
{
    int voters = static_cast<int>(state.range(0));
    PrepareGroups(voters);
    size_t before = AllocatedBytes();
    SIM_VoterManager::Get().CreatePopulation();
    double bytes = static_cast<double>(AllocatedBytes() - before) / voters;
    for (auto _ : state)
        SIM_VoterManager::Get().CreatePopulation();  // deletes the last one first
    PerVoter(state, voters);
    state.counters["bytes_per_voter"] = bytes;
    SIM_VoterManager::Get().Release();
}
BENCHMARK(BM_CreatePopulation)->Arg(2000)->Arg(20000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_UpdateVoters(benchmark::State& state)
{
    int voters = static_cast<int>(state.range(0));
    PrepareGroups(voters);
    SIM_VoterManager& manager = SIM_VoterManager::Get();
    manager.CreatePopulation();
    for (auto _ : state) {
        manager.UpdateVoters();
        manager.UpdateVoterTypes();
    }
    PerVoter(state, voters);
    manager.Release();
}
BENCHMARK(BM_UpdateVoters)->Arg(2000)->Arg(20000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The network pass over the voters (each sums the links of its groups).
void BM_RecalculateVoters(benchmark::State& state)
{
    int voters = static_cast<int>(state.range(0));
    PrepareGroups(voters);
    SIM_VoterManager& manager = SIM_VoterManager::Get();
    manager.CreatePopulation();
    for (auto _ : state)
        manager.RecalculateVoters();
    PerVoter(state, voters);
    manager.Release();
}
BENCHMARK(BM_RecalculateVoters)->Arg(2000)->Arg(20000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Deleting voters one at a time, with the links kept: the cost of one
// deletion must not depend on how many voters there are.
void BM_DeleteVoters(benchmark::State& state)
{
    int voters = static_cast<int>(state.range(0));
    constexpr int kDeleted = 1000;
    PrepareGroups(voters);
    SIM_VoterManager& manager = SIM_VoterManager::Get();
    for (auto _ : state) {
        state.PauseTiming();
        manager.CreatePopulation();
        std::vector<SIM_Voter*> victims;
        const auto& population = SIM_Voter::Population();
        for (int i = 0; i < kDeleted; ++i)
            victims.push_back(population[static_cast<size_t>(i) * population.size() / kDeleted]);
        state.ResumeTiming();
        for (SIM_Voter* voter : victims)
            delete voter;
    }
    state.counters["time_per_deletion"] =
        benchmark::Counter(kDeleted, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    manager.Release();
}
BENCHMARK(BM_DeleteVoters)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
