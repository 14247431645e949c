#pragma once

// What a voter's opinion of the government takes from other rules, taken
// once for a pass over the population: the cynicism value, and the manifesto
// penalty while a pledge in force is broken and the election is near.
struct OpinionFactors {
    // The penalty applies below this many months to the election.
    static constexpr int kPenaltyMonths = 10;

    float cynicism = 0.0f;
    float manifestoPenalty = 0.0f;  // 0 unless it applies now

    static OpinionFactors Take();
};
