#include "gui/GUI_PartyWindow.h"

#include "gamedata/Localisation.h"
#include "gamedata/SIM_ReportManager.h"
#include "gui/GUI_TopStrip.h"
#include "gui/WindowStyle.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_Party.h"

namespace {
constexpr float kWidth = 640.0f;
// Down to the term gauge and a margin as wide as the sides.
constexpr float kHeight = 360.0f;

const char* TrendKey(int status)
{
    switch (status) {
    case 0:
        return "PARTY_GROWING";
    case 1:
        return "PARTY_SHRINKING";
    default:
        return "PARTY_STEADY";
    }
}
}  // namespace

void GUI_PartyWindow::Open()
{
    Reopen<GUI_PartyWindow>();
}

GUI_PartyWindow::GUI_PartyWindow() : GUI_GameWindow(kName, "PARTY_TITLE", kWidth, kHeight) {}

void GUI_PartyWindow::DrawContents()
{
    using namespace WindowStyle;
    const float column = (InnerWidth() - 20.0f) / 2.0f;
    const SIM_Party* parties[] = {SIM_Party::GetPlayersParty(), SIM_Party::GetOppositionParty()};
    const char* captions[] = {"PARTY_OURS", "PARTY_OPPOSITION"};
    for (int i = 0; i < 2; ++i) {
        const float x = Left() + i * (column + 20.0f);
        float y = Top();
        Inset(GRect{static_cast<int>(x) - 6, static_cast<int>(y) - 4, static_cast<int>(x + column) + 6,
                    static_cast<int>(y) + 150});
        Text(translate(captions[i]), x, y, kDim);
        if (!parties[i])
            continue;
        const SIM_Party& party = *parties[i];
        Text(party.Name(), x, y + 20.0f, kHeading, column, LEFT, kBigFont, kBigSize);
        Row(translate("PARTY_MEMBERS"), SIM_ReportManager::GroupDigits(party.MemberCount()), x, y + 56.0f, column);
        Row(translate("PARTY_TREND"), translate(TrendKey(party.GetStatus())), x, y + 78.0f, column,
            party.GetStatus() == 1 ? kBad : kText);
        Text(translate("PARTY_PULL"), x, y + 102.0f, kDim);
        Gauge(GRect{static_cast<int>(x), static_cast<int>(y) + 126, static_cast<int>(x + column),
                    static_cast<int>(y) + 138},
              party.TurnoutPull(), i == 0 ? kGood : kBad);
    }

    const ElectionManager& elections = ElectionManager::Get();
    const float x = Left();
    float y = Top() + 176.0f;
    Row(translate("PARTY_NEXT_ELECTION"),
        GUI_TopStrip::DateText(elections.NextElectionMonth(), elections.NextElectionYear()), x,
        y, InnerWidth(), kHeading);
    y += kRowHeight;
    Row(translate("PARTY_MONTHS_LEFT"), std::to_string(elections.MonthsUntilElection()), x, y, InnerWidth());
    y += kRowHeight;
    Row(translate("PARTY_ELECTIONS_WON"), std::to_string(elections.ElectionsWon()), x, y, InnerWidth());
    y += kRowHeight + 8.0f;
    Text(translate("PARTY_TERM"), x, y, kDim);
    Gauge(GRect{static_cast<int>(x), static_cast<int>(y) + 24, static_cast<int>(x + InnerWidth()),
                static_cast<int>(y) + 36},
          elections.TermProgress());
}
