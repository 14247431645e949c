#include "politics/CynicismTracker.h"

#include <algorithm>

#include "gamedata/Difficulty.h"
#include "gamedata/Options.h"
#include "politics/ElectionManager.h"
#include "sim/Clamp.h"
#include "sim/SIM_PlayerNeuron.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SimulationState.h"

CynicismTracker& CynicismTracker::Get()
{
    static CynicismTracker tracker;
    return tracker;
}

void CynicismTracker::Reset()
{
    mValue = 0.0f;
    mTaxNames = {"IncomeTax",   "SalesTax",  "CorporationTax", "PropertyTax",
                 "CarTax",      "PetrolTax", "InheritanceTax", "CarbonTax"};
}

bool CynicismTracker::IsTax(const std::string& policyName) const
{
    return std::find(mTaxNames.begin(), mTaxNames.end(), policyName) != mTaxNames.end();
}

void CynicismTracker::Raise() { mValue += Difficulty::Current() * kRaise; }

bool CynicismTracker::PreElectionWindow() const
{
    return ElectionManager::Get().MonthsUntilElection() < kWindowMonths;
}

bool CynicismTracker::PostElectionWindow() const
{
    return SimulationState::Get().TurnNumber() >= kFirstPostElectionTurn &&
           ElectionManager::Get().MonthsSinceElection() < kWindowMonths;
}

bool CynicismTracker::AnyTaxMoved(bool up) const
{
    // CYNICISM 1: every move counts; 0: only moves over a quarter of the slider.
    const float c = ClampZeroToOne(Options::Get().Section().GetFloat("CYNICISM", 0.5f));
    const float threshold = 0.25f - 0.25f * c;
    for (const std::string& name : mTaxNames) {
        SIM_Policy* policy = GetPolicyManager().FindPolicy(name);
        if (!policy || !policy->PlayerNeuron())
            continue;
        const SIM_PlayerNeuron& slider = *policy->PlayerNeuron();
        const float moved = slider.GetValue() - slider.History(1);
        if (up ? moved > threshold : -moved > threshold)
            return true;
    }
    return false;
}

void CynicismTracker::UpdateTurn()
{
    if (PostElectionWindow() && AnyTaxMoved(true))
        Raise();
    if (PreElectionWindow() && AnyTaxMoved(false))
        Raise();
    mValue *= kDecay;
}

void CynicismTracker::OnPolicyIntroduced(const std::string& policyName)
{
    if (PostElectionWindow() && IsTax(policyName))
        Raise();
}

void CynicismTracker::OnPolicyCancelled(const std::string& policyName)
{
    if (PreElectionWindow() && IsTax(policyName))
        Raise();
}
