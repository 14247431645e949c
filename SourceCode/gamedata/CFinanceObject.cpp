#include "gamedata/CFinanceObject.h"

#include "engine/Diagnostics.h"
#include "platform/NumberText.h"

namespace {

CFinanceObject::FloatSource& DifficultySource()
{
    static CFinanceObject::FloatSource source;
    return source;
}

CFinanceObject::FloatSource& WealthSource()
{
    static CFinanceObject::FloatSource source;
    return source;
}

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

void CFinanceObject::SetDifficultySource(FloatSource source) { DifficultySource() = std::move(source); }
void CFinanceObject::SetWealthSource(FloatSource source) { WealthSource() = std::move(source); }
float CFinanceObject::Difficulty() { return DifficultySource() ? DifficultySource()() : 0.5f; }
float CFinanceObject::Wealth() { return WealthSource() ? WealthSource()() : 1.0f; }
