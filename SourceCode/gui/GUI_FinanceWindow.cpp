#include "gui/GUI_FinanceWindow.h"

#include "gamedata/CFinances.h"
#include "gamedata/Localisation.h"
#include "gui/FinanceBreakdown.h"
#include "gui/GUI_FinanceHistoryWindow.h"
#include "gui/WindowStyle.h"
#include "sim/Neuron.h"

namespace {
constexpr size_t kLinesPerColumn = 10;
constexpr float kHeight = 520.0f;

std::string DisplayName(const std::string& name)
{
    if (name == FinanceBreakdown::kOthers)
        return translate(name);
    const Neuron* neuron = Neuron::FindNeuronQuietly(name);
    return neuron && !neuron->GetDisplayName().empty() ? neuron->GetDisplayName() : name;
}
}  // namespace

void GUI_FinanceWindow::Open()
{
    Reopen<GUI_FinanceWindow>();
}

GUI_FinanceWindow::GUI_FinanceWindow() : GUI_GameWindow(kName, "FINANCE_TITLE", 760.0f, kHeight)
{
    AddTextButton("FinanceHistory", "FINANCE_HISTORY_BUTTON", 760.0f - 230.0f, kHeight - 46.0f, 200.0f,
                  [](int) { GUI_FinanceHistoryWindow::Open(); });
}

void GUI_FinanceWindow::DrawContents()
{
    using namespace WindowStyle;
    CFinances& finances = CFinances::Get();
    // Live figures: what the accounts would be if the turn ended now.
    finances.ComputeMonth();
    const FinanceBreakdown breakdown(CFinances::LedgerItems(), kLinesPerColumn);

    const float x = Left();
    const float y = Top();
    const float column = (InnerWidth() - 20.0f) / 2.0f;
    const float listBottom = y + 30.0f + (kLinesPerColumn + 2) * kRowHeight;
    Inset(GRect{static_cast<int>(x) - 6, static_cast<int>(y) - 4, static_cast<int>(x + column) + 6,
                static_cast<int>(listBottom)});
    Inset(GRect{static_cast<int>(x + column + 20.0f) - 6, static_cast<int>(y) - 4,
                static_cast<int>(x + 2 * column + 20.0f) + 6, static_cast<int>(listBottom)});

    struct LedgerSide {
        const char* heading;
        const std::vector<FinanceBreakdown::Line>* lines;
        float total;
        float left;
        uint32_t colour;
    } columns[] = {
        {"FINANCE_INCOME", &breakdown.Income(), breakdown.TotalIncome(), x, kGood},
        {"FINANCE_SPENDING", &breakdown.Spending(), breakdown.TotalSpending(), x + column + 20.0f, kBad},
    };
    for (const LedgerSide& side : columns) {
        Heading(translate(side.heading), side.left, y, column);
        float rowY = y + 28.0f;
        for (const FinanceBreakdown::Line& line : *side.lines) {
            Row(DisplayName(line.name), Money(line.amount), side.left, rowY, column);
            rowY += kRowHeight;
        }
        Row(translate("FINANCE_TOTAL"), Money(side.total), side.left, y + 30.0f + (kLinesPerColumn + 1) * kRowHeight,
            column, side.colour);
    }

    // The position: interest, balance, debt and the ceiling.
    float rowY = listBottom + 14.0f;
    const float surplus = finances.Surplus();
    Row(translate("FINANCE_INTEREST"), Money(finances.MonthlyInterest()), x, rowY, column);
    Row(translate(surplus >= 0.0f ? "FINANCE_SURPLUS" : "FINANCE_DEFICIT"), Money(surplus >= 0.0f ? surplus : -surplus),
        x + column + 20.0f, rowY, column, surplus >= 0.0f ? kGood : kBad);
    rowY += kRowHeight;
    Row(translate("FINANCE_BALANCE"), Money(finances.CurrentBalance()), x, rowY, column);
    Row(translate("FINANCE_DEBT"), Money(finances.NationalDebt()), x + column + 20.0f, rowY, column);
    rowY += kRowHeight + 6.0f;
    const float ceiling = finances.DebtCeiling();
    const float share = ceiling > 0.0f ? finances.NationalDebt() / ceiling : 0.0f;
    Text(translate("FINANCE_CEILING") + "  " + Money(ceiling), x, rowY, kDim);
    Gauge(GRect{static_cast<int>(x), static_cast<int>(rowY) + 24, static_cast<int>(x + column),
                static_cast<int>(rowY) + 36},
          share, share > CFinances::kDebtWarningShare ? kBad : kBarFill);
}
