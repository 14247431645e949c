#include "gui/GUI_IssuesWindow.h"

#include <algorithm>

#include "engine/CTexturedSprite.h"
#include "gamedata/Localisation.h"
#include "gamedata/SIM_Dilemma.h"
#include "gamedata/SIM_Event.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gui/GUI_CabinetWindow.h"
#include "gui/GUI_DilemmaDialog.h"
#include "gui/GUI_EventDialog.h"
#include "gui/GUI_FinanceWindow.h"
#include "gui/WindowStyle.h"
#include "sim/Neuron.h"
#include "sim/Presentation.h"

namespace {
constexpr float kWidth = 640.0f;
constexpr float kRowsTop = 56.0f;
constexpr float kIssueHeight = 34.0f;

float ListHeight()
{
    const size_t rows = std::clamp<size_t>(SIM_IssuesManager::Get().Count(), 1, GUI_IssuesWindow::kRowsInView);
    return rows * kIssueHeight;
}

std::string NameOf(const Neuron* neuron)
{
    if (!neuron)
        return std::string();
    return neuron->GetDisplayName().empty() ? neuron->GetName() : neuron->GetDisplayName();
}
}  // namespace

void GUI_IssuesWindow::Open()
{
    Reopen<GUI_IssuesWindow>();
}

std::string GUI_IssuesWindow::Describe(const Issue& issue)
{
    switch (issue.kind) {
    case ISSUE_DILEMMA:
        return translate("ISSUE_DILEMMA") + ": " + NameOf(issue.source);
    case ISSUE_EVENT:
        return NameOf(issue.source);
    case ISSUE_SITUATION_STARTED:
        return NameOf(issue.source) + " " + translate("ISSUE_STARTED");
    case ISSUE_SITUATION_ENDED:
        return NameOf(issue.source) + " " + translate("ISSUE_ENDED");
    case ISSUE_MINISTER_LOYALTY:
        return NameOf(issue.source) + " " + translate("ISSUE_DISLOYAL");
    case ISSUE_FINANCE_WARNING:
        return translate(issue.title);
    }
    return NameOf(issue.source);
}

bool GUI_IssuesWindow::OpenIssue(const Issue& issue)
{
    switch (issue.kind) {
    case ISSUE_DILEMMA:
        if (auto* dilemma = dynamic_cast<SIM_Dilemma*>(issue.source)) {
            GUI_DilemmaDialog::Open(*dilemma);
            return true;
        }
        return false;
    case ISSUE_EVENT:
        if (auto* event = dynamic_cast<SIM_Event*>(issue.source)) {
            GUI_EventDialog::Open(*event);
            return true;
        }
        return false;
    case ISSUE_MINISTER_LOYALTY:
        GUI_CabinetWindow::Open();
        return true;
    case ISSUE_FINANCE_WARNING:
        GUI_FinanceWindow::Open();
        return true;
    case ISSUE_SITUATION_STARTED:
    case ISSUE_SITUATION_ENDED:
        if (!issue.source)
            return false;
        Presentation::Current().ShowNeuronDetails(issue.source);
        return true;
    }
    return false;
}

GUI_IssuesWindow::GUI_IssuesWindow()
    : GUI_GameWindow(kName, "ISSUES_TITLE", kWidth, kRowsTop + ListHeight() + 24.0f)
{
    mList = AddList("List", 20.0f, kRowsTop, kWidth - 40.0f, ListHeight(),
                    [this](float left, float top) { DrawRows(left, top); });
    const size_t count = SIM_IssuesManager::Get().Count();
    mList->SetRows(count, kIssueHeight);
    const float buttonLeft = mList->ContentWidth() - 110.0f;
    for (size_t i = 0; i < count; ++i)
        AddListButton(*mList, "Issue" + std::to_string(i), "ISSUES_OPEN", buttonLeft, i * kIssueHeight + 4.0f,
                      100.0f,
                      [](int index) {
                          SIM_IssuesManager& issues = SIM_IssuesManager::Get();
                          if (static_cast<size_t>(index) < issues.Count())
                              OpenIssue(issues.At(index));
                      },
                      static_cast<int>(i));
}

void GUI_IssuesWindow::DrawRows(float left, float top)
{
    using namespace WindowStyle;
    SIM_IssuesManager& issues = SIM_IssuesManager::Get();
    const float textWidth = mList->ContentWidth() - 140.0f;
    if (issues.Count() == 0)
        Text(translate("ISSUES_NONE"), left + 10.0f, top + 8.0f, kDim);
    for (size_t i = 0; i < issues.Count(); ++i) {
        const float y = top + i * kIssueHeight;
        if (i > 0)
            Separator(left + 6.0f, y, mList->ContentWidth() - 12.0f);
        const Issue& issue = issues.At(i);
        const bool urgent = issue.kind == ISSUE_DILEMMA || issue.kind == ISSUE_FINANCE_WARNING;
        Text(Describe(issue), left + 10.0f, y + 7.0f, urgent ? kHeading : kText, textWidth);
    }
}
