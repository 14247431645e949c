#include "gui/GUI_ReportWindow.h"

#include <algorithm>

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
constexpr float kListTop = 56.0f;
constexpr float kMaxListHeight = 480.0f;
constexpr float kTextWidth = kWidth - 210.0f;
constexpr float kGap = 14.0f;

float ReportHeight(const Report& report)
{
    return 10.0f + 24.0f + WindowStyle::MeasureWrapped(report.body, kTextWidth) + kGap;
}

float ContentHeight()
{
    float height = 0.0f;
    for (const Report& report : SIM_ReportManager::Get().Reports())
        height += ReportHeight(report);
    return height;
}

// Tall enough for every report up to a limit, then the list scrolls.
float ListHeight() { return std::clamp(ContentHeight(), 120.0f, kMaxListHeight); }
}  // namespace

void GUI_ReportWindow::Open()
{
    Reopen<GUI_ReportWindow>();
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

GUI_ReportWindow::GUI_ReportWindow()
    : GUI_GameWindow(kName, "REPORT_TITLE", kWidth, kListTop + ListHeight() + 24.0f)
{
    mList = AddList("List", 20.0f, kListTop, kWidth - 40.0f, ListHeight(),
                    [this](float left, float top) { DrawRows(left, top); });
    mList->SetContentHeight(static_cast<int>(ContentHeight()));
    const float buttonLeft = mList->ContentWidth() - 130.0f;
    float y = 10.0f;
    const auto& reports = SIM_ReportManager::Get().Reports();
    for (size_t i = 0; i < reports.size(); ++i) {
        AddListButton(*mList, "ReportDetails" + std::to_string(i), "REPORT_MORE", buttonLeft, y, 120.0f,
                      [](int index) {
                          const auto& list = SIM_ReportManager::Get().Reports();
                          if (static_cast<size_t>(index) < list.size())
                              OpenDetails(list[index].title);
                      },
                      static_cast<int>(i));
        y += ReportHeight(reports[i]);
    }
}

void GUI_ReportWindow::DrawRows(float left, float top)
{
    using namespace WindowStyle;
    const float x = left + 10.0f;
    float y = top;
    const auto& reports = SIM_ReportManager::Get().Reports();
    if (reports.empty())
        Text(translate("REPORT_NONE"), x, y + 10.0f, kDim);
    for (size_t i = 0; i < reports.size(); ++i) {
        if (i > 0)
            Separator(left + 6.0f, y, mList->ContentWidth() - 12.0f);
        Heading(reports[i].title, x, y + 10.0f, kTextWidth);
        Wrapped(reports[i].body, x, y + 34.0f, kTextWidth);
        y += ReportHeight(reports[i]);
    }
}
