#include "gui/GUI_FinanceHistoryWindow.h"

#include <algorithm>

#include "gamedata/CFinances.h"
#include "gamedata/Localisation.h"
#include "gui/WindowStyle.h"

namespace {
// A history as the graph wants it: oldest first.
template <typename Read>
std::vector<float> OldestFirst(Read read)
{
    std::vector<float> values(CFinances::kHistorySize);
    for (int i = 0; i < CFinances::kHistorySize; ++i)
        values[CFinances::kHistorySize - 1 - i] = read(i);
    return values;
}
}  // namespace

void GUI_FinanceHistoryWindow::Open()
{
    Reopen<GUI_FinanceHistoryWindow>();
}

GUI_FinanceHistoryWindow::GUI_FinanceHistoryWindow()
    : GUI_GameWindow(kName, "FINANCE_HISTORY_TITLE", 640.0f, 544.0f)
{
    const CFinances& finances = CFinances::Get();
    auto income = OldestFirst([&](int i) { return finances.IncomeHistory(i); });
    auto spending = OldestFirst([&](int i) { return finances.ExpenditureHistory(i); });
    auto debt = OldestFirst([&](int i) { return finances.DebtHistory(i); });
    float flowPeak = 1.0f;
    for (float v : income)
        flowPeak = std::max(flowPeak, v);
    for (float v : spending)
        flowPeak = std::max(flowPeak, v);
    float debtPeak = std::max(1.0f, finances.DebtCeiling());
    for (float v : debt)
        debtPeak = std::max(debtPeak, v);

    const float x = Left();
    const float width = InnerWidth();
    mFlows.SetRect(x, Top() + 26.0f, x + width, Top() + 226.0f);
    mFlows.SetRange(0.0f, flowPeak * 1.1f);
    mFlows.SetScaleLabels(WindowStyle::Money(flowPeak * 1.1f), WindowStyle::Money(0.0f));
    mFlows.SetSeries({{income, WindowStyle::kGood, translate("FINANCE_INCOME")},
                      {spending, WindowStyle::kBad, translate("FINANCE_SPENDING")}});
    mDebt.SetRect(x, Top() + 276.0f, x + width, Top() + 476.0f);
    mDebt.SetRange(0.0f, debtPeak * 1.05f);
    mDebt.SetScaleLabels(WindowStyle::Money(debtPeak * 1.05f), WindowStyle::Money(0.0f));
    mDebt.SetSeries({{debt, WindowStyle::kHeading, translate("FINANCE_DEBT")},
                     {std::vector<float>(CFinances::kHistorySize, finances.DebtCeiling()), WindowStyle::kDim,
                      translate("FINANCE_CEILING")}});
}

void GUI_FinanceHistoryWindow::DrawContents()
{
    using namespace WindowStyle;
    Heading(translate("FINANCE_HISTORY_FLOWS") + "  (" + translate("FINANCE_PEAK") + " " +
                Money(CFinances::Get().HistoryPeak()) + ")",
            Left(), Top());
    Heading(translate("FINANCE_DEBT"), Left(), Top() + 250.0f);
    Flush();
    mFlows.Draw();
    mDebt.Draw();
}
