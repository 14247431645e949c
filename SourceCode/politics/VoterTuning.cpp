#include "politics/VoterTuning.h"

#include "engine/Diagnostics.h"
#include "gamedata/SetupSection.h"

VoterTuning VoterTuning::Read()
{
    VoterTuning t;
    t.poorIncomeThreshold = GetTuningValue("POOR_INCOME_THRESHOLD", 0.0f);
    t.wealthyIncomeThreshold = GetTuningValue("WEALTHY_INCOME_THRESHOLD", 0.0f);
    t.wealthyIncomeMax = GetTuningValue("WEALTHY_INCOME_MAX", 0.0f);
    t.membershipThreshold = GetTuningValue("VOTER_GROUP_MEMBERSHIP_THRESHHOLD", 0.0f);
    t.oppositionIncreaseBelow = GetTuningValue("VOTER_OPPOSITION_INCREASE_SYMPATHY_BELOW", 0.0f);
    t.oppositionGain = GetTuningValue("VOTER_OPPOSITON_SYMPATHY_GAIN", 0.0f);
    t.oppositionDecreaseAbove = GetTuningValue("VOTER_OPPOSITION_DECREASE_SYMPATHY_ABOVE", 0.0f);
    t.oppositionDecay = GetTuningValue("VOTER_OPPOSITON_SYMPATHY_DECAY", 0.0f);
    t.playerIncreaseAbove = GetTuningValue("VOTER_PLAYER_INCREASE_SYMPATHY_ABOVE", 0.0f);
    t.playerGain = GetTuningValue("VOTER_PLAYER_SYMPATHY_GAIN", 0.0f);
    t.playerDecreaseBelow = GetTuningValue("VOTER_PLAYER_DECREASE_SYMPATHY_BELOW", 0.0f);
    t.playerDecay = GetTuningValue("VOTER_PLAYER_SYMPATHY_DECAY", 0.0f);
    t.oppositionJoin = GetTuningValue("VOTER_OPPOSITION_JOIN_THRESHHOLD", 0.0f);
    t.playerJoin = GetTuningValue("VOTER_PLAYER_JOIN_THRESHHOLD", 0.0f);
    t.oppositionLeave = GetTuningValue("VOTER_OPPOSITION_LEAVE_THRESHHOLD", 0.0f);
    t.playerLeave = GetTuningValue("VOTER_PLAYER_LEAVE_THRESHHOLD", 0.0f);
    return t;
}

int ConfiguredPopulationSize()
{
    float entities = GetTuningValue("AIENTITIES", 0.0f);
    // Written so that a NaN fails too.
    if (!(entities >= 1.0f))
        FATAL_ERROR("AIENTITIES is missing or below 1 in the setup section of data/data.ini");
    if (entities > 100000000.0f)
        FATAL_ERROR("AIENTITIES is too large in the setup section of data/data.ini");
    return static_cast<int>(entities);
}
