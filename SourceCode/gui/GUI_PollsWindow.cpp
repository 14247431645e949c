#include "gui/GUI_PollsWindow.h"

#include <algorithm>

#include "gamedata/Localisation.h"
#include "gui/GUI_PollHistoryWindow.h"
#include "gui/WindowStyle.h"
#include "politics/CynicismTracker.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "sim/OpinionPoll.h"

namespace {
constexpr float kWidth = 800.0f;
constexpr float kMaxListHeight = 464.0f;
// The left column: two figures, cynicism and its note, and the history button.
constexpr float kLeftColumnHeight = 400.0f;
constexpr float kLeftColumn = 300.0f;
constexpr float kGroupsTop = 72.0f;
// Group columns, from the list's left edge.
constexpr float kNameColumn = 10.0f;
constexpr float kMembersColumn = 190.0f;
constexpr float kHappinessColumn = 270.0f;

bool Listed(const SIM_VoterType* group) { return group->GetName() != SIM_VoterType::kAllGroupName; }

size_t ListedCount()
{
    size_t count = 0;
    for (const SIM_VoterType* group : SIM_VoterManager::Get().VoterTypes())
        count += Listed(group) ? 1 : 0;
    return count;
}

// As tall as the groups need, up to a limit; then they scroll.
float ListHeight()
{
    return std::min(ListedCount() * WindowStyle::kRowHeight + 8.0f, kMaxListHeight);
}

float WindowHeight() { return std::max(kLeftColumnHeight, kGroupsTop + ListHeight() + 24.0f); }
}  // namespace

void GUI_PollsWindow::Open()
{
    Reopen<GUI_PollsWindow>();
}

GUI_PollsWindow::GUI_PollsWindow() : GUI_GameWindow(kName, "POLLS_TITLE", kWidth, WindowHeight())
{
    AddTextButton("PollHistory", "POLLS_HISTORY_BUTTON", 20.0f, mHeight - 50.0f, kLeftColumn - 20.0f,
                  [](int) { GUI_PollHistoryWindow::Open(); });
    mGroups = AddList("Groups", 20.0f + kLeftColumn, kGroupsTop, kWidth - 40.0f - kLeftColumn,
                      ListHeight(), [this](float left, float top) { DrawGroups(left, top); });
    mGroups->SetRows(ListedCount(), WindowStyle::kRowHeight);
    mGroups->SetContentHeight(mGroups->ContentHeight() + 8);
}

void GUI_PollsWindow::DrawContents()
{
    using namespace WindowStyle;
    const OpinionPoll& poll = OpinionPoll::Get();
    const float x = Left();
    float y = Top();
    const float width = kLeftColumn - 20.0f;
    const struct {
        const char* key;
        float value;
        float best;
    } figures[] = {{"MAIN_APPROVAL", poll.Approval(), poll.BestApproval()},
                   {"MAIN_VOTESHARE", poll.VoteShare(), poll.BestVoteShare()}};
    for (const auto& figure : figures) {
        Row(translate(figure.key), Percent(figure.value), x, y, width, kHeading);
        Gauge(GRect{static_cast<int>(x), static_cast<int>(y) + 26, static_cast<int>(x + width),
                    static_cast<int>(y) + 38},
              figure.value);
        Text(translate("POLLS_BEST") + " " + Percent(figure.best), x, y + 42.0f, kDim);
        y += 84.0f;
    }
    const float cynicism = CynicismTracker::Get().GetValue();
    Row(translate("POLLS_CYNICISM"), Signed(cynicism), x, y, width, cynicism > 0.01f ? kBad : kText);
    Wrapped(translate("CYNIC_TOOLTIP"), x, y + 26.0f, width, kDim);

    // The voter groups, each with its share of the population and its mood.
    const float gx = mRect.left + 20.0f + kLeftColumn;
    const float headY = mRect.top + kGroupsTop - 24.0f;
    Heading(translate("POLLS_GROUPS"), gx + kNameColumn, headY);
    Text(translate("POLLS_MEMBERS"), gx + kMembersColumn, headY, kDim, 60.0f, RIGHT);
    Text(translate("POLLS_HAPPINESS"), gx + kHappinessColumn, headY, kDim);
}

void GUI_PollsWindow::DrawGroups(float left, float top)
{
    using namespace WindowStyle;
    const float right = left + mGroups->ContentWidth() - 10.0f;
    float y = top + 4.0f;
    for (const SIM_VoterType* group : SIM_VoterManager::Get().VoterTypes()) {
        if (!Listed(group))
            continue;
        Text(group->GetDisplayName(), left + kNameColumn, y, kText, kMembersColumn - kNameColumn - 10.0f);
        Text(Percent(group->MembershipShare()), left + kMembersColumn, y, kDim, 60.0f, RIGHT);
        const float happy = group->Happiness01();
        Gauge(GRect{static_cast<int>(left + kHappinessColumn), static_cast<int>(y) + 5, static_cast<int>(right),
                    static_cast<int>(y) + 15},
              happy, happy < 0.4f ? kBad : (happy > 0.6f ? kGood : kBarFill));
        y += kRowHeight;
    }
}
