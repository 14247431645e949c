#pragma once
#include <functional>

// What a voter's opinion of the government takes from other rules: the
// cynicism value, the broken manifesto pledges and the election timing.
// Each owner sets its own function; the defaults are neutral (no cynicism,
// nothing broken, the election far away).
struct OpinionInputs {
    std::function<float()> cynicism;           // subtracted from every opinion
    std::function<bool()> manifestoBroken;     // a pledge in force is broken
    std::function<float()> manifestoPenalty;   // MANIFESTO_BROKEN_PENALTY as last loaded
    std::function<int()> monthsUntilElection;  // the penalty applies below 10

    static constexpr int kFarAway = 1000;

    static OpinionInputs& Current();
    // Back to the neutral defaults.
    static void Reset();
};

// The inputs taken once for a pass over the population.
struct OpinionFactors {
    float cynicism = 0.0f;
    float manifestoPenalty = 0.0f;  // 0 unless it applies now

    static OpinionFactors Take();
};
