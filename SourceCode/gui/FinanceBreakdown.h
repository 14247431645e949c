#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "gamedata/CFinances.h"

// The month's accounts as the finance window lists them: what earns and what
// costs, each largest first. A column has room for a few lines; the rest are
// summed into one last line, so a column always adds up to its total.
class FinanceBreakdown {
public:
    struct Line {
        std::string name;
        float amount = 0.0f;
    };

    FinanceBreakdown(const std::vector<CFinances::Item>& items, size_t linesPerColumn);

    const std::vector<Line>& Income() const { return mIncome; }
    const std::vector<Line>& Spending() const { return mSpending; }
    float TotalIncome() const { return mTotalIncome; }
    float TotalSpending() const { return mTotalSpending; }

    // The name of the line that sums the rest.
    static constexpr const char* kOthers = "FINANCE_OTHERS";

private:
    static std::vector<Line> Column(std::vector<Line> lines, size_t room, float& total);

    std::vector<Line> mIncome;
    std::vector<Line> mSpending;
    float mTotalIncome = 0.0f;
    float mTotalSpending = 0.0f;
};
