#include "politics/OpinionInputs.h"

#include "politics/CynicismTracker.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_Manifesto.h"

OpinionFactors OpinionFactors::Take()
{
    const SIM_Manifesto& manifesto = SIM_Manifesto::Get();
    OpinionFactors f;
    f.cynicism = CynicismTracker::Get().GetValue();
    if (!manifesto.AllKept() && ElectionManager::Get().HasElectionDate() &&
        ElectionManager::Get().MonthsUntilElection() < kPenaltyMonths)
        f.manifestoPenalty = manifesto.Penalty();
    return f;
}
