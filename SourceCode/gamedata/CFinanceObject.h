#pragma once

// The money side of a policy or a situation: a cost and an income that run in
// a straight line from the figure at zero (owner's value 0) to the figure at
// full (value 1), scaled by the difficulty and the mission's wealth.
class CFinanceObject {
public:
    virtual ~CFinanceObject() = default;

    // x should lie in [0, 1]; a value outside is logged and used anyway.
    virtual float Cost(float x) const;
    // Never negative.
    virtual float Income(float x) const;

    float CostAtZero() const { return mCostAtZero; }
    float CostAtFull() const { return mCostAtFull; }
    float IncomeAtZero() const { return mIncomeAtZero; }
    float IncomeAtFull() const { return mIncomeAtFull; }
    float CostMultiplier() const { return mCostMultiplier; }
    float IncomeMultiplier() const { return mIncomeMultiplier; }
    void SetCostLine(float atZero, float atFull);
    void SetIncomeLine(float atZero, float atFull);
    void SetCostMultiplier(float value) { mCostMultiplier = value; }
    void SetIncomeMultiplier(float value) { mIncomeMultiplier = value; }

    // The game's difficulty (see Difficulty) and the mission's wealth.
    static float Difficulty();
    static float Wealth();

private:
    float mCostAtFull = 0.0f;
    float mIncomeAtFull = 0.0f;
    float mCostAtZero = 0.0f;
    float mIncomeAtZero = 0.0f;
    float mIncomeMultiplier = 1.0f;
    float mCostMultiplier = 1.0f;
};
