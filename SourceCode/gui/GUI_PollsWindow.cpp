#include "gui/GUI_PollsWindow.h"

#include "gamedata/Localisation.h"
#include "gui/GUI_PollHistoryWindow.h"
#include "gui/WindowStyle.h"
#include "politics/CynicismTracker.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "sim/OpinionPoll.h"

namespace {
constexpr float kWidth = 800.0f;
constexpr float kHeight = 560.0f;
constexpr float kLeftColumn = 300.0f;
}  // namespace

void GUI_PollsWindow::Open()
{
    Close();
    new GUI_PollsWindow();
}

GUI_PollsWindow::GUI_PollsWindow() : GUI_GameWindow(kName, "POLLS_TITLE", kWidth, kHeight)
{
    AddTextButton("PollHistory", "POLLS_HISTORY_BUTTON", 30.0f, kHeight - 46.0f, kLeftColumn - 20.0f,
                  [](int) { GUI_PollHistoryWindow::Open(); });
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
    const float gx = x + kLeftColumn;
    const float gwidth = InnerWidth() - kLeftColumn;
    Heading(translate("POLLS_GROUPS"), gx, Top());
    Text(translate("POLLS_MEMBERS"), gx + 180.0f, Top(), kDim, 60.0f, RIGHT);
    Text(translate("POLLS_HAPPINESS"), gx + 260.0f, Top(), kDim);
    float rowY = Top() + 26.0f;
    Inset(GRect{static_cast<int>(gx) - 6, static_cast<int>(rowY) - 4, static_cast<int>(gx + gwidth) + 6,
                mRect.bottom - 20});
    for (const SIM_VoterType* group : SIM_VoterManager::Get().VoterTypes()) {
        if (group->GetName() == SIM_VoterType::kAllGroupName)
            continue;
        if (rowY > mRect.bottom - 44.0f)
            break;
        Text(group->GetDisplayName(), gx, rowY, kText, 170.0f);
        Text(Percent(group->MembershipShare()), gx + 180.0f, rowY, kDim, 60.0f, RIGHT);
        const float happy = group->Happiness01();
        Gauge(GRect{static_cast<int>(gx) + 260, static_cast<int>(rowY) + 5, static_cast<int>(gx + gwidth),
                    static_cast<int>(rowY) + 15},
              happy, happy < 0.4f ? kBad : (happy > 0.6f ? kGood : kBarFill));
        rowY += kRowHeight;
    }
}
