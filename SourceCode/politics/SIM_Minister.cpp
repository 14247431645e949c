#include "politics/SIM_Minister.h"

#include "gamedata/SetupSection.h"
#include "politics/SIM_VoterType.h"
#include "sim/NeuralEffect.h"

namespace {
float Clamp01(float value) { return value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value); }
}  // namespace

SIM_Minister::SIM_Minister(const std::string& forename, const std::string& surname, bool female)
    : mForename(forename), mSurname(surname), mFemale(female)
{
    SetType(NEURON_MINISTER);
    SetBaseValue(kBaseValue);
    SetName(FullName());
    SetDisplayName(FullName());
    SetOwnedByParent();
}

void SIM_Minister::SetLoyalty(float loyalty) { mLoyalty = Clamp01(loyalty); }

void SIM_Minister::SetExperience(float experience) { mExperience = Clamp01(experience); }

float SIM_Minister::SuitabilityFor(int ministry) const
{
    return ministry >= 0 && ministry < kJobCount ? mSuitabilities[static_cast<size_t>(ministry)] : 0.0f;
}

void SIM_Minister::SetSuitabilities(const std::array<float, kJobCount>& suitabilities)
{
    mSuitabilities = suitabilities;
    // Best of what is left, three times; strictly higher replaces, so ties keep the earlier.
    std::array<bool, kJobCount> taken{};
    for (int& preferred : mPreferredJobs) {
        int best = -1;
        for (int i = 0; i < kJobCount; ++i)
            if (!taken[static_cast<size_t>(i)] && (best < 0 || mSuitabilities[static_cast<size_t>(i)] >
                                                                   mSuitabilities[static_cast<size_t>(best)]))
                best = i;
        preferred = best;
        taken[static_cast<size_t>(best)] = true;
    }
}

void SIM_Minister::SetSympathies(SIM_VoterType* first, SIM_VoterType* second)
{
    mSymp1 = first;
    mSymp2 = second;
    if (first)
        new NeuralEffect(first, this, "0+(x*1.0)", 1.0f, first->GetValue());
    if (second)
        new NeuralEffect(second, this, "0+(x*1.0)", 1.0f, second->GetValue());
}

void SIM_Minister::LoyaltyStep()
{
    SetExperience(mExperience + GetTuningValue("MINISTER_EXPERIENCE_RATE", 0.0f));
    if (GetValue() > GetTuningValue("MINISTER_LOYALTY_GAIN_THRESHHOLD", 0.0f))
        SetLoyalty(mLoyalty + mVolatility * GetTuningValue("MINISTER_LOYALTY_GAINRATE", 0.0f));
    else if (GetValue() < GetTuningValue("MINISTER_LOYALTY_DROP_THRESHHOLD", 0.0f))
        SetLoyalty(mLoyalty - mVolatility * GetTuningValue("MINISTER_LOYALTY_DROP_RATE", 0.0f));
}
