#pragma once

// The tuning numbers of the voter rules, read from the setup section of
// "data/data.ini" (a missing key is 0). A pass over the whole population reads
// them once and hands the same snapshot to every voter, instead of looking up
// fourteen keys per voter.
struct VoterTuning {
    float poorIncomeThreshold = 0.0f;     // POOR_INCOME_THRESHOLD
    float wealthyIncomeThreshold = 0.0f;  // WEALTHY_INCOME_THRESHOLD
    float wealthyIncomeMax = 0.0f;        // WEALTHY_INCOME_MAX
    float membershipThreshold = 0.0f;     // VOTER_GROUP_MEMBERSHIP_THRESHHOLD

    float oppositionIncreaseBelow = 0.0f;  // VOTER_OPPOSITION_INCREASE_SYMPATHY_BELOW
    float oppositionGain = 0.0f;           // VOTER_OPPOSITON_SYMPATHY_GAIN
    float oppositionDecreaseAbove = 0.0f;  // VOTER_OPPOSITION_DECREASE_SYMPATHY_ABOVE
    float oppositionDecay = 0.0f;          // VOTER_OPPOSITON_SYMPATHY_DECAY
    float playerIncreaseAbove = 0.0f;      // VOTER_PLAYER_INCREASE_SYMPATHY_ABOVE
    float playerGain = 0.0f;               // VOTER_PLAYER_SYMPATHY_GAIN
    float playerDecreaseBelow = 0.0f;      // VOTER_PLAYER_DECREASE_SYMPATHY_BELOW
    float playerDecay = 0.0f;              // VOTER_PLAYER_SYMPATHY_DECAY

    float oppositionJoin = 0.0f;   // VOTER_OPPOSITION_JOIN_THRESHHOLD
    float playerJoin = 0.0f;       // VOTER_PLAYER_JOIN_THRESHHOLD
    float oppositionLeave = 0.0f;  // VOTER_OPPOSITION_LEAVE_THRESHHOLD
    float playerLeave = 0.0f;      // VOTER_PLAYER_LEAVE_THRESHHOLD

    // Reads every key afresh.
    static VoterTuning Read();
};

// AIENTITIES truncated: the number of voters to create. Missing, below 1 or
// not a number is a fatal data error, since the population size divides shares.
int ConfiguredPopulationSize();
