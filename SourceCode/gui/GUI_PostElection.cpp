#include "gui/GUI_PostElection.h"

#include "gamedata/Localisation.h"
#include "gui/GUI_GameOver.h"
#include "gui/WindowStyle.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"

namespace {
constexpr float kWidth = 700.0f;
constexpr float kHeight = 580.0f;
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
    : GUI_GameWindow(kName, victory ? "POSTELECTION_WON" : "POSTELECTION_LOST", kWidth, kHeight, true),
      mVictory(victory)
{
    if (mClose)
        mClose->Visible = false;
    // How each group's members voted at this election.
    SIM_VoterManager::Get().PollVoterTypes();
    if (victory)
        AddTextButton("ContinuePresidency", "CONTINUEPRESIDENCY", kWidth / 2.0f - 130.0f, kHeight - 50.0f, 260.0f,
                      [this](int) { CloseSelf(); });
    else
        AddTextButton("QuitGame", "QUITGAME", kWidth / 2.0f - 130.0f, kHeight - 50.0f, 260.0f, [this](int) {
            CloseSelf();
            GUI_GameOver::Open(translate("GAMEOVER_TITLE"), translate("GAMEOVER_ELECTION_LOST"));
        });
}

void GUI_PostElection::DrawContents()
{
    using namespace WindowStyle;
    const float x = Left();
    const float gaugeLeft = x + 260.0f;
    const float gaugeWidth = InnerWidth() - 340.0f;
    Heading(translate("POSTELECTION_GROUPS"), x, Top());
    Text(translate("POSTELECTION_FOR_US"), gaugeLeft, Top(), kDim);
    Text(translate("ELECTION_TURNOUT"), x, Top(), kDim, InnerWidth(), RIGHT);
    float y = Top() + 28.0f;
    Inset(GRect{static_cast<int>(x) - 6, static_cast<int>(y) - 4, mRect.right - 20, mRect.bottom - 64});
    for (const SIM_VoterType* group : SIM_VoterManager::Get().VoterTypes()) {
        if (y > mRect.bottom - 90.0f)
            break;
        const bool everyone = group->GetName() == SIM_VoterType::kAllGroupName;
        Text(everyone ? translate("POSTELECTION_EVERYONE") : group->GetDisplayName(), x, y,
             everyone ? kHeading : kText, 250.0f);
        Gauge(GRect{static_cast<int>(gaugeLeft), static_cast<int>(y) + 5, static_cast<int>(gaugeLeft + gaugeWidth),
                    static_cast<int>(y) + 15},
              group->PollShareForPlayer, group->PollShareForPlayer < 0.5f ? kBad : kGood);
        Text(Percent(group->PollTurnout), x, y, kDim, InnerWidth(), RIGHT);
        y += kRowHeight;
    }
    if (!mVictory)
        Text(translate("POSTELECTION_DEFEAT"), x, mRect.bottom - 86.0f, kBad, InnerWidth(), CENTRE);
}
