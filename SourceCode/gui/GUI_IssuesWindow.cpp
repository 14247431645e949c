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

size_t Shown() { return std::min(SIM_IssuesManager::Get().Count(), GUI_IssuesWindow::kMaxShown); }

std::string NameOf(const Neuron* neuron)
{
    if (!neuron)
        return std::string();
    return neuron->GetDisplayName().empty() ? neuron->GetName() : neuron->GetDisplayName();
}
}  // namespace

void GUI_IssuesWindow::Open()
{
    Close();
    new GUI_IssuesWindow();
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
    : GUI_GameWindow(kName, "ISSUES_TITLE", kWidth, kRowsTop + std::max<size_t>(Shown(), 1) * kIssueHeight + 30.0f)
{
    for (size_t i = 0; i < Shown(); ++i)
        AddTextButton("Issue" + std::to_string(i), "ISSUES_OPEN", kWidth - 130.0f, kRowsTop + i * kIssueHeight + 2.0f,
                      100.0f,
                      [](int index) {
                          SIM_IssuesManager& issues = SIM_IssuesManager::Get();
                          if (static_cast<size_t>(index) < issues.Count())
                              OpenIssue(issues.At(index));
                      },
                      static_cast<int>(i));
}

void GUI_IssuesWindow::DrawContents()
{
    using namespace WindowStyle;
    SIM_IssuesManager& issues = SIM_IssuesManager::Get();
    if (issues.Count() == 0)
        Text(translate("ISSUES_NONE"), Left(), mRect.top + kRowsTop + 4.0f, kDim);
    for (size_t i = 0; i < Shown(); ++i) {
        const float y = mRect.top + kRowsTop + i * kIssueHeight;
        Inset(GRect{static_cast<int>(Left()) - 6, static_cast<int>(y), mRect.right - 20,
                    static_cast<int>(y + kIssueHeight - 4.0f)});
        const Issue& issue = issues.At(i);
        const bool urgent = issue.kind == ISSUE_DILEMMA || issue.kind == ISSUE_FINANCE_WARNING;
        Text(Describe(issue), Left(), y + 5.0f, urgent ? kHeading : kText, kWidth - 190.0f);
    }
}
