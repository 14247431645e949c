#include "gamedata/CFinances.h"

#include <algorithm>
#include <cmath>

#include "engine/Diagnostics.h"
#include "gamedata/Options.h"
#include "gamedata/SpecialNeurons.h"
#include "sim/Clamp.h"
#include "sim/Neuron.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_Situation.h"
#include "sim/SIM_SituationManager.h"
#include "sim/SimRandom.h"

namespace {
// Truncation toward zero, kept within int range so that a runaway figure
// cannot overflow the conversion.
int WholeAmount(float amount)
{
    if (!(amount == amount))
        return 0;
    if (amount >= 2147483520.0f)
        return 2147483520;
    if (amount <= -2147483520.0f)
        return -2147483520;
    return static_cast<int>(amount);
}
}  // namespace

CFinances& CFinances::Get()
{
    static CFinances finances;
    return finances;
}

std::vector<CFinances::Item> CFinances::LedgerItems()
{
    std::vector<Item> items;
    for (SIM_Policy* policy : SIM_PolicyManager::ActivePolicies()) {
        if (policy && policy->IsActive())
            items.push_back(Item{policy->GetName(), policy->CurrentCost(), policy->CurrentIncome()});
    }
    for (SIM_Situation* situation : GetSituationManager().Situations()) {
        if (situation && situation->IsActive()) {
            float x = situation->GetValue();
            items.push_back(Item{situation->GetName(), situation->Cost(x), situation->Income(x)});
        }
    }
    return items;
}

void CFinances::InitFromMission(float startingDebt, float debtCeiling)
{
    mCurrentBalance = 0.0f;
    mMonthlyExpenses = 0.0f;
    mMonthlyIncome = 0.0f;
    mMonthlyInterest = 0.0f;
    mNationalDebt = startingDebt;
    mDebtCeiling = debtCeiling;
    mHistoryPeak = 0.0f;
    mMonthsElapsed = 0;
    mDebtCeilingState = DEBT_BELOW_CEILING;
}

void CFinances::ComputeMonth(const std::vector<Item>& items)
{
    // INTERESTRATE 1.0 means 20 % a year.
    mMonthlyInterest = (Options::Get().GetFloat("INTERESTRATE") * 0.2f) / 12.0f * mNationalDebt;
    mMonthlyExpenses = 0.0f;
    mMonthlyIncome = 0.0f;
    for (const Item& item : items) {
        mMonthlyExpenses += item.cost;
        mMonthlyIncome += item.income;
    }
    if (!(mMonthlyIncome > 0.0f))
        TRACE_MESSAGE("total income is not above 0");
    mMonthlyExpenses += mMonthlyInterest;
}

void CFinances::Earn(int amount)
{
    if (mNationalDebt > 0.0f) {
        mNationalDebt -= static_cast<float>(amount);
        if (mNationalDebt < 0.0f) {
            mCurrentBalance += -mNationalDebt;
            mNationalDebt = 0.0f;
        }
    } else {
        mCurrentBalance += static_cast<float>(amount);
    }
}

void CFinances::Spend(int amount)
{
    mCurrentBalance -= static_cast<float>(amount);
    if (mCurrentBalance < 0.0f) {
        mNationalDebt += -mCurrentBalance;
        mCurrentBalance = 0.0f;
    }
}

float CFinances::DebtBurden() const
{
    float yearlyIncome = mMonthlyIncome * 12.0f;
    if (!(yearlyIncome > 0.0f))
        return mNationalDebt > 0.0f ? 1.0f : 0.0f;
    float burden = mNationalDebt / yearlyIncome;
    if (!(burden == burden))
        return 0.0f;
    return ClampZeroToOne(burden);
}

void CFinances::SettleMonth(int turnNumber, const std::vector<Item>& items)
{
    ComputeMonth(items);
    Earn(WholeAmount(mMonthlyIncome));
    Spend(WholeAmount(mMonthlyExpenses));

    if (Neuron* debt = SpecialNeurons::Debt()) {
        debt->SetBaseValue(DebtBurden());
        debt->Propagate();
    }

    if (turnNumber == 1) {
        for (int i = 0; i < kHistorySize; ++i) {
            mIncomeHistory[i] = mMonthlyIncome * SimRandom::Float(0.98f, 1.02f);
            mExpenditureHistory[i] = mMonthlyExpenses * SimRandom::Float(0.98f, 1.02f);
            mDebtHistory[i] = mNationalDebt * SimRandom::Float(0.98f, 1.02f);
        }
    }
    ShiftHistories();
    CheckDebtCeiling();
    ++mMonthsElapsed;
}

void CFinances::ShiftHistories()
{
    for (int i = kHistorySize - 1; i >= 1; --i) {
        mIncomeHistory[i] = mIncomeHistory[i - 1];
        mExpenditureHistory[i] = mExpenditureHistory[i - 1];
        mDebtHistory[i] = mDebtHistory[i - 1];
    }
    mIncomeHistory[0] = mMonthlyIncome;
    mExpenditureHistory[0] = mMonthlyExpenses;
    mDebtHistory[0] = mNationalDebt;
    UpdateHistoryPeak();
}

void CFinances::UpdateHistoryPeak()
{
    float peak = 0.0f;
    for (int i = 0; i < kHistorySize; ++i)
        peak = std::max({peak, mIncomeHistory[i], mExpenditureHistory[i], mDebtHistory[i]});
    mHistoryPeak = peak;
}

void CFinances::CheckDebtCeiling()
{
    if (mNationalDebt > mDebtCeiling)
        mDebtCeilingState = DEBT_CEILING_REACHED;
    else if (mMonthsElapsed > 3 && mDebtCeiling > 0.0f && mNationalDebt / mDebtCeiling > kDebtWarningShare)
        mDebtCeilingState = DEBT_NEAR_CEILING;
    else
        mDebtCeilingState = DEBT_BELOW_CEILING;
}

void CFinances::FillHistories()
{
    mIncomeHistory.fill(mMonthlyIncome);
    mExpenditureHistory.fill(mMonthlyExpenses);
    mDebtHistory.fill(mNationalDebt);
    UpdateHistoryPeak();
}
