#include "gui/FinanceBreakdown.h"

#include <algorithm>

FinanceBreakdown::FinanceBreakdown(const std::vector<CFinances::Item>& items, size_t linesPerColumn)
{
    std::vector<Line> income;
    std::vector<Line> spending;
    for (const CFinances::Item& item : items) {
        // Zero lines say nothing; a negative cost is a saving and still belongs to spending.
        if (item.income != 0.0f)
            income.push_back(Line{item.name, item.income});
        if (item.cost != 0.0f)
            spending.push_back(Line{item.name, item.cost});
    }
    mIncome = Column(std::move(income), linesPerColumn, mTotalIncome);
    mSpending = Column(std::move(spending), linesPerColumn, mTotalSpending);
}

std::vector<FinanceBreakdown::Line> FinanceBreakdown::Column(std::vector<Line> lines, size_t room, float& total)
{
    total = 0.0f;
    for (const Line& line : lines)
        total += line.amount;
    // Stable, so equal amounts keep the ledger's order.
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.amount > b.amount; });
    if (room == 0)
        return {};
    if (lines.size() > room) {
        Line others{kOthers, 0.0f};
        for (size_t i = room - 1; i < lines.size(); ++i)
            others.amount += lines[i].amount;
        lines.resize(room - 1);
        lines.push_back(others);
    }
    return lines;
}
