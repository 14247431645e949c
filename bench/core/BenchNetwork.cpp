// Formula evaluation and whole-network recalculation.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "sim/EffectFormula.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/SimRandom.h"

namespace {

void BM_FormulaEvaluateParsed(benchmark::State& state)
{
    EffectFormula formula("-0.2+(0.4*x)");
    float x = 0.1f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formula.Evaluate(x));
        x += 1e-6f;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormulaEvaluateParsed);

void BM_FormulaScanAndEvaluate(benchmark::State& state)
{
    float x = 0.1f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EffectFormula::Evaluate("-0.2+(0.4*x)", x));
        x += 1e-6f;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormulaScanAndEvaluate);

// A layered network shaped like a game: a few hundred values fanning out to
// many small neurons, `effects` edges in all.
void BuildNetwork(int effects)
{
    SetRunning(true);
    Neuron::ClearNetwork();
    SimRandom::Seed(1);
    std::vector<Neuron*> sources;
    for (int i = 0; i < 200; ++i) {
        auto* n = new Neuron();
        n->SetName("Value" + std::to_string(i));
        n->SetBaseValue(SimRandom::Float(0.0f, 1.0f));
        sources.push_back(n);
    }
    int targets = effects / 10;
    for (int t = 0; t < targets; ++t) {
        auto* n = new Neuron();
        for (int k = 0; k < 10; ++k) {
            auto* effect = new NeuralEffect(sources[SimRandom::Next() % sources.size()], n, "-0.05+(0.1*x)", 1.0f, 0.5f);
            if (k % 3 == 0)
                effect->SetInertialDrag(4);
        }
    }
    Neuron::OrderNetwork();
}

void BM_RecalculateNetwork(benchmark::State& state)
{
    BuildNetwork(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        NeuralEffect::UpdateAllEffects();
        Neuron::RecalculateAll();
        Neuron::EndTurnAll();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["effects"] = static_cast<double>(NeuralEffect::Count());
    Neuron::ClearNetwork();
}
BENCHMARK(BM_RecalculateNetwork)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_DeleteHalfTheNeurons(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        BuildNetwork(static_cast<int>(state.range(0)));
        std::vector<Neuron*> doomed;
        const auto& all = Neuron::All();
        for (size_t i = 200; i < all.size(); i += 2)
            doomed.push_back(all[i]);
        state.ResumeTiming();
        for (Neuron* n : doomed)
            delete n;
    }
    Neuron::ClearNetwork();
}
BENCHMARK(BM_DeleteHalfTheNeurons)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond);

}  // namespace
