#pragma once

// The three weights of the turnout formula. Copied from the tuning values
// (VOTING_*_EFFECT_MULTIPLIER) once when a game is set up, then fixed.
struct TurnoutWeights {
    float opinion = 0.0f;   // VOTING_OPINION_EFFECT_MULTIPLIER
    float tendency = 0.0f;  // VOTING_TENDENCY_EFFECT_MULTIPLIER
    float party = 0.0f;     // VOTING_PARTY_EFFECT_MULTIPLIER

    static TurnoutWeights& Current();
    // Copies the three tuning values into Current().
    static void LoadFromTuning();
};
