#include "gui/GUI_ReportWindow.h"

#include "gamedata/Localisation.h"
#include "gamedata/SIM_ReportManager.h"
#include "gui/GUI_FinanceHistoryWindow.h"
#include "gui/GUI_FinanceWindow.h"
#include "gui/GUI_IntelReport.h"
#include "gui/GUI_PartyWindow.h"
#include "gui/GUI_PollsWindow.h"
#include "gui/WindowStyle.h"

namespace {
constexpr float kWidth = 720.0f;
constexpr float kTextWidth = kWidth - 190.0f;
constexpr float kGap = 14.0f;

float ReportHeight(const Report& report)
{
    return 24.0f + WindowStyle::MeasureWrapped(report.body, kTextWidth) + kGap;
}

float WindowHeight()
{
    float height = 80.0f;
    for (const Report& report : SIM_ReportManager::Get().Reports())
        height += ReportHeight(report);
    return height < 200.0f ? 200.0f : height;
}
}  // namespace

void GUI_ReportWindow::Open()
{
    Close();
    new GUI_ReportWindow();
}

bool GUI_ReportWindow::OpenDetails(const std::string& title)
{
    const struct {
        const char* titleKey;
        void (*open)();
    } details[] = {
        {"REPORT_ECONOMY_TITLE", &GUI_FinanceHistoryWindow::Open}, {"REPORT_BUDGET_TITLE", &GUI_FinanceWindow::Open},
        {"REPORT_POLLS_TITLE", &GUI_PollsWindow::Open},           {"REPORT_ELECTION_TITLE", &GUI_PartyWindow::Open},
        {"REPORT_INTEL_TITLE", &GUI_IntelReport::Open},
    };
    for (const auto& entry : details)
        if (translate(entry.titleKey) == title) {
            entry.open();
            return true;
        }
    return false;
}

GUI_ReportWindow::GUI_ReportWindow() : GUI_GameWindow(kName, "REPORT_TITLE", kWidth, WindowHeight())
{
    float y = Top() - mRect.top;
    const auto& reports = SIM_ReportManager::Get().Reports();
    for (size_t i = 0; i < reports.size(); ++i) {
        AddTextButton("ReportDetails" + std::to_string(i), "REPORT_MORE", kWidth - 150.0f, y, 120.0f,
                      [](int index) {
                          const auto& list = SIM_ReportManager::Get().Reports();
                          if (static_cast<size_t>(index) < list.size())
                              OpenDetails(list[index].title);
                      },
                      static_cast<int>(i));
        y += ReportHeight(reports[i]);
    }
}

void GUI_ReportWindow::DrawContents()
{
    using namespace WindowStyle;
    float y = Top();
    const auto& reports = SIM_ReportManager::Get().Reports();
    if (reports.empty())
        Text(translate("REPORT_NONE"), Left(), y, kDim);
    for (const Report& report : reports) {
        Heading(report.title, Left(), y);
        Wrapped(report.body, Left(), y + 24.0f, kTextWidth);
        y += ReportHeight(report);
    }
}
