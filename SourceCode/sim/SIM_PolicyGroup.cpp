#include "sim/SIM_PolicyGroup.h"

#include <algorithm>

#include "gamedata/Localisation.h"
#include "sim/Clamp.h"
#include "sim/PolicyGroupMinister.h"
#include "sim/SIM_Policy.h"
#include "sim/SimulationState.h"

const char* const SIM_PolicyGroup::kNames[kGroupCount] = {
    "FOREIGNPOLICY", "WELFARE", "ECONOMY", "TAX", "PUBLICSERVICES", "LAWANDORDER", "TRANSPORT",
};

namespace {
// The groups stand on a ring in steps of a seventh of a turn, added up in
// single precision so that the angles match those the screen layout expects.
float AngleOf(int index)
{
    const float step = 51.42857f;
    float angle = 0.0f;
    for (int i = 0; i < index; ++i)
        angle += step;
    return angle;
}
}  // namespace

SIM_PolicyGroup::SIM_PolicyGroup(int index) : mIndex(index), mName(kNames[index]), mAngle(AngleOf(index)) {}

void SIM_PolicyGroup::Reset()
{
    mPolicies.clear();
    mMinister = nullptr;
    mPopularity = 0.5f;
    mPopularityKnown = false;
}

std::string SIM_PolicyGroup::Caption() const { return translate("POLICY_NAME_" + mName); }

std::string SIM_PolicyGroup::CabinetPost() const { return translate("GUI_CABINET_" + mName); }

void SIM_PolicyGroup::AddPolicy(SIM_Policy* policy)
{
    if (std::find(mPolicies.begin(), mPolicies.end(), policy) == mPolicies.end())
        mPolicies.push_back(policy);
}

void SIM_PolicyGroup::RemovePolicy(SIM_Policy* policy)
{
    mPolicies.erase(std::remove(mPolicies.begin(), mPolicies.end(), policy), mPolicies.end());
}

float SIM_PolicyGroup::MinisterialFactor() const
{
    if (!mMinister)
        return 0.5f;
    return ClampZeroToOne(0.5f + 0.5f * (mMinister->Competence() * mMinister->AbilityIn(mIndex)));
}

float SIM_PolicyGroup::Popularity(int turnNumber)
{
    if (mPopularityKnown && mPopularityTurn == turnNumber)
        return mPopularity;
    mPopularity = SIM_Policy::PopularityOf(mPolicies);
    mPopularityTurn = turnNumber;
    mPopularityKnown = true;
    return mPopularity;
}

float SIM_PolicyGroup::Popularity() { return Popularity(SimulationState::Get().TurnNumber()); }
