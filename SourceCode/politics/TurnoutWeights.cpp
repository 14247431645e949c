#include "politics/TurnoutWeights.h"

#include "gamedata/SetupSection.h"

TurnoutWeights& TurnoutWeights::Current()
{
    static TurnoutWeights weights;
    return weights;
}

void TurnoutWeights::LoadFromTuning()
{
    TurnoutWeights& w = Current();
    w.opinion = GetTuningValue("VOTING_OPINION_EFFECT_MULTIPLIER", 0.0f);
    w.tendency = GetTuningValue("VOTING_TENDENCY_EFFECT_MULTIPLIER", 0.0f);
    w.party = GetTuningValue("VOTING_PARTY_EFFECT_MULTIPLIER", 0.0f);
}
