#include "gamedata/CFinanceObject.h"

#include "engine/Diagnostics.h"
#include "gamedata/Difficulty.h"
#include "gamedata/SIM_Mission.h"
#include "platform/NumberText.h"

namespace {

void CheckLevel(float x)
{
    if (!(x >= 0.0f && x <= 1.0f))
        TRACE_MESSAGE("Finance level out of range: " + NumberText::FormatFixed(x, 4));
}

// Easy games make things cheaper and richer, hard ones the reverse.
float DifficultySwing() { return 0.2f - 0.4f * CFinanceObject::Difficulty(); }

}  // namespace

void CFinanceObject::SetCostLine(float atZero, float atFull)
{
    mCostAtZero = atZero;
    mCostAtFull = atFull;
}

void CFinanceObject::SetIncomeLine(float atZero, float atFull)
{
    mIncomeAtZero = atZero;
    mIncomeAtFull = atFull;
}

float CFinanceObject::Cost(float x) const
{
    CheckLevel(x);
    float c = mCostAtZero + (mCostAtFull - mCostAtZero) * x;
    return c * (1.0f - DifficultySwing()) * mCostMultiplier * Wealth();
}

float CFinanceObject::Income(float x) const
{
    CheckLevel(x);
    float i = mIncomeAtZero + (mIncomeAtFull - mIncomeAtZero) * x;
    float income = i * (1.0f + DifficultySwing()) * mIncomeMultiplier * Wealth();
    return income < 0.0f ? 0.0f : income;
}

float CFinanceObject::Difficulty() { return ::Difficulty::Current(); }
float CFinanceObject::Wealth() { return SIM_Mission::Get().Wealth(); }
