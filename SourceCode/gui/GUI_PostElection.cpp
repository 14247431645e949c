#include "gui/GUI_PostElection.h"

#include <algorithm>

#include "gamedata/Localisation.h"
#include "gui/GUI_GameOver.h"
#include "gui/WindowStyle.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"

namespace {
constexpr float kWidth = 700.0f;
constexpr float kListTop = 72.0f;
constexpr float kMaxListHeight = 17 * WindowStyle::kRowHeight + 8.0f;
constexpr float kDefeatHeight = 34.0f;
// Columns within a row, from the list's left edge.
constexpr float kGaugeLeft = 260.0f;
constexpr float kTurnoutWidth = 80.0f;

float ListHeight()
{
    const size_t groups = SIM_VoterManager::Get().VoterTypes().size();
    return std::min(std::max<size_t>(groups, 1) * WindowStyle::kRowHeight + 8.0f, kMaxListHeight);
}

// The list, the line that tells of a defeat, and the button.
float WindowHeight(bool victory)
{
    return kListTop + ListHeight() + (victory ? 0.0f : kDefeatHeight) + 16.0f + 26.0f + 24.0f;
}
}  // namespace

void GUI_PostElection::Open(bool victory)
{
    Reopen<GUI_PostElection>(victory);
}

void GUI_PostElection::OpenLast()
{
    const ElectionManager& elections = ElectionManager::Get();
    Open(elections.ElectionsHeld() == 0 || elections.LastResult().won);
}

GUI_PostElection::GUI_PostElection(bool victory)
    : GUI_GameWindow(kName, victory ? "POSTELECTION_WON" : "POSTELECTION_LOST", kWidth, WindowHeight(victory), true),
      mVictory(victory)
{
    if (mClose)
        mClose->Visible = false;
    // How each group's members voted at this election.
    SIM_VoterManager::Get().PollVoterTypes();
    mList = AddList("List", 20.0f, kListTop, kWidth - 40.0f, ListHeight(),
                    [this](float left, float top) { DrawRows(left, top); });
    mList->SetRows(SIM_VoterManager::Get().VoterTypes().size(), WindowStyle::kRowHeight);
    mList->SetContentHeight(mList->ContentHeight() + 8);
    if (victory)
        AddTextButton("ContinuePresidency", "CONTINUEPRESIDENCY", kWidth / 2.0f - 130.0f, mHeight - 50.0f, 260.0f,
                      [this](int) { CloseSelf(); });
    else
        AddTextButton("QuitGame", "QUITGAME", kWidth / 2.0f - 130.0f, mHeight - 50.0f, 260.0f, [this](int) {
            CloseSelf();
            GUI_GameOver::Open(translate("GAMEOVER_TITLE"), translate("GAMEOVER_ELECTION_LOST"));
        });
}

void GUI_PostElection::DrawContents()
{
    using namespace WindowStyle;
    const float x = mRect.left + 20.0f;
    const float y = mRect.top + kListTop - 24.0f;
    Heading(translate("POSTELECTION_GROUPS"), x + 10.0f, y);
    Text(translate("POSTELECTION_FOR_US"), x + kGaugeLeft, y, kDim);
    Text(translate("ELECTION_TURNOUT"), x, y, kDim, kWidth - 50.0f, RIGHT);
    if (!mVictory)
        Text(translate("POSTELECTION_DEFEAT"), Left(), mRect.top + kListTop + ListHeight() + 8.0f, kBad, InnerWidth(),
             CENTRE);
}

void GUI_PostElection::DrawRows(float left, float top)
{
    using namespace WindowStyle;
    const float width = mList->ContentWidth();
    const float gaugeRight = left + width - 20.0f - kTurnoutWidth;
    float y = top + 4.0f;
    for (const SIM_VoterType* group : SIM_VoterManager::Get().VoterTypes()) {
        const bool everyone = group->GetName() == SIM_VoterType::kAllGroupName;
        Text(everyone ? translate("POSTELECTION_EVERYONE") : group->GetDisplayName(), left + 10.0f, y,
             everyone ? kHeading : kText, kGaugeLeft - 20.0f);
        Gauge(GRect{static_cast<int>(left + kGaugeLeft), static_cast<int>(y) + 5, static_cast<int>(gaugeRight),
                    static_cast<int>(y) + 15},
              group->PollShareForPlayer, group->PollShareForPlayer < 0.5f ? kBad : kGood);
        Text(Percent(group->PollTurnout), left + width - 10.0f - kTurnoutWidth, y, kDim, kTurnoutWidth, RIGHT);
        y += kRowHeight;
    }
}
