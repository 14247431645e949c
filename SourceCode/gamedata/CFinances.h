#pragma once
#include <array>
#include <string>
#include <vector>

// The government's accounts, in millions of the mission's currency: a cash
// balance and a national debt (neither negative after a settlement), the
// figures of the last settlement and twenty settlements of history. Settled
// once a turn; the debt burden feeds the "_debt_" neuron.
class CFinances {
public:
    static constexpr int kHistorySize = 20;
    // The share of the ceiling above which the player is warned.
    static constexpr float kDebtWarningShare = 0.75f;

    static CFinances& Get();

    // One line of the month's accounts: what an active policy or situation
    // costs and earns now.
    struct Item {
        std::string name;
        float cost = 0.0f;
        float income = 0.0f;
    };
    // The game's accounts: the active policies in introduction order, then
    // the active situations.
    static std::vector<Item> LedgerItems();

    // New game: nothing earned or spent, the mission's debt and ceiling.
    void InitFromMission(float startingDebt, float debtCeiling);
    // The month's figures from the ledger and the interest (also for screens).
    void ComputeMonth() { ComputeMonth(LedgerItems()); }
    void ComputeMonth(const std::vector<Item>& items);
    // The per-turn settlement. turnNumber is the turn being processed.
    void SettleMonth(int turnNumber) { SettleMonth(turnNumber, LedgerItems()); }
    void SettleMonth(int turnNumber, const std::vector<Item>& items);
    void Earn(int amount);
    void Spend(int amount);
    // Every history entry := the current figures (game setup).
    void FillHistories();

    // National debt / a year's income, in [0, 1]; 0 with no income and no debt,
    // 1 with debt but no income.
    float DebtBurden() const;
    float Surplus() const { return mMonthlyIncome - mMonthlyExpenses; }
    float Deficit() const { return mMonthlyExpenses - mMonthlyIncome; }

    float CurrentBalance() const { return mCurrentBalance; }
    float MonthlyExpenses() const { return mMonthlyExpenses; }
    float MonthlyIncome() const { return mMonthlyIncome; }
    float MonthlyInterest() const { return mMonthlyInterest; }
    float NationalDebt() const { return mNationalDebt; }
    float DebtCeiling() const { return mDebtCeiling; }
    float HistoryPeak() const { return mHistoryPeak; }
    int MonthsElapsed() const { return mMonthsElapsed; }
    float IncomeHistory(int i) const { return mIncomeHistory[i]; }
    float ExpenditureHistory(int i) const { return mExpenditureHistory[i]; }
    float DebtHistory(int i) const { return mDebtHistory[i]; }

    // For save games and tests.
    void SetCurrentBalance(float value) { mCurrentBalance = value; }
    void SetNationalDebt(float value) { mNationalDebt = value; }
    void SetDebtCeiling(float value) { mDebtCeiling = value; }
    void SetMonthlyIncome(float value) { mMonthlyIncome = value; }
    void SetMonthlyExpenses(float value) { mMonthlyExpenses = value; }
    void SetMonthlyInterest(float value) { mMonthlyInterest = value; }
    void SetMonthsElapsed(int value) { mMonthsElapsed = value; }
    void SetIncomeHistory(int i, float value) { mIncomeHistory[i] = value; }
    void SetExpenditureHistory(int i, float value) { mExpenditureHistory[i] = value; }
    void SetDebtHistory(int i, float value) { mDebtHistory[i] = value; }
    void UpdateHistoryPeak();
    void SetHistoryPeak(float value) { mHistoryPeak = value; }

    // Where the debt stood against its ceiling at the latest settlement. The
    // events and the issues list act on it: past the ceiling the game is lost,
    // close to it the player is warned (only after the first quarter).
    enum DebtCeilingStatus { DEBT_BELOW_CEILING, DEBT_NEAR_CEILING, DEBT_CEILING_REACHED };
    DebtCeilingStatus DebtCeilingState() const { return mDebtCeilingState; }
    void SetDebtCeilingState(DebtCeilingStatus state) { mDebtCeilingState = state; }

private:
    void ShiftHistories();
    void CheckDebtCeiling();

    std::array<float, kHistorySize> mIncomeHistory{};
    std::array<float, kHistorySize> mExpenditureHistory{};
    std::array<float, kHistorySize> mDebtHistory{};
    float mCurrentBalance = 0.0f;
    float mMonthlyExpenses = 0.0f;
    float mMonthlyIncome = 0.0f;
    float mMonthlyInterest = 0.0f;
    float mNationalDebt = 0.0f;
    float mDebtCeiling = 0.0f;
    float mHistoryPeak = 0.0f;
    int mMonthsElapsed = 0;
    DebtCeilingStatus mDebtCeilingState = DEBT_BELOW_CEILING;
};
