#include "gui/GUI_StartDialog.h"

#include <algorithm>
#include <vector>

#include "gamedata/Localisation.h"
#include "gamedata/SIM_Mission.h"
#include "gui/WindowStyle.h"
#include "sim/SIM_Situation.h"
#include "sim/SIM_SituationManager.h"

namespace {
constexpr float kWidth = 640.0f;
constexpr float kTextWidth = kWidth - 40.0f;
constexpr float kTop = 45.0f;  // the content's top, from the window's

const std::string& Briefing()
{
    const SIM_Mission& mission = SIM_Mission::Get();
    return mission.Briefing().empty() ? mission.Description() : mission.Briefing();
}

// From the window's top: the mission's name, its briefing, and the heading of the list.
float ListTop() { return kTop + 32.0f + WindowStyle::MeasureWrapped(Briefing(), kTextWidth) + 16.0f + 26.0f; }

float ListHeight()
{
    const size_t rows = std::clamp<size_t>(GetSituationManager().Situations().size(), 1, GUI_StartDialog::kRowsInView);
    return rows * WindowStyle::kRowHeight + 8.0f;
}

// The situations most in force first: those running now, then those close to starting.
std::vector<const SIM_Situation*> SortedSituations()
{
    std::vector<const SIM_Situation*> situations(GetSituationManager().Situations().begin(),
                                                 GetSituationManager().Situations().end());
    std::stable_sort(situations.begin(), situations.end(), [](const SIM_Situation* a, const SIM_Situation* b) {
        return a->IsActive() != b->IsActive() ? a->IsActive() : a->GetValue() > b->GetValue();
    });
    return situations;
}
}  // namespace

void GUI_StartDialog::Open()
{
    Reopen<GUI_StartDialog>();
}

GUI_StartDialog::GUI_StartDialog()
    : GUI_GameWindow(kName, "START_TITLE", kWidth, ListTop() + ListHeight() + 16.0f + 26.0f + 24.0f)
{
    AddTextButton("StartPlaying", "START_PLAY", kWidth / 2.0f - 100.0f, mHeight - 50.0f, 200.0f,
                  [this](int) { CloseSelf(); });
    mList = AddList("List", 20.0f, ListTop(), kTextWidth, ListHeight(),
                    [this](float left, float top) { DrawRows(left, top); });
    mList->SetRows(GetSituationManager().Situations().size(), WindowStyle::kRowHeight);
    mList->SetContentHeight(mList->ContentHeight() + 8);
}

void GUI_StartDialog::DrawContents()
{
    using namespace WindowStyle;
    const float x = Left();
    const float width = InnerWidth();
    float y = Top();
    Text(SIM_Mission::Get().Name(), x, y, kHeading, width, CENTRE, kBigFont, kBigSize);
    y += 32.0f;
    y += Wrapped(Briefing(), x, y, width) + 16.0f;
    Heading(translate("START_SITUATIONS"), x, y);
}

void GUI_StartDialog::DrawRows(float left, float top)
{
    using namespace WindowStyle;
    const std::vector<const SIM_Situation*> situations = SortedSituations();
    const float x = left + 10.0f;
    const float width = mList->ContentWidth() - 20.0f;
    float y = top + 4.0f;
    for (const SIM_Situation* situation : situations) {
        const std::string name =
            situation->GetDisplayName().empty() ? situation->GetName() : situation->GetDisplayName();
        Text(name, x, y, situation->IsActive() ? kText : kDim, width - 200.0f);
        if (situation->IsActive())
            Text(translate("START_IN_FORCE"), x + width - 200.0f, y, kBad, 110.0f, RIGHT);
        Gauge(GRect{static_cast<int>(x + width) - 80, static_cast<int>(y) + 5, static_cast<int>(x + width),
                    static_cast<int>(y) + 15},
              situation->GetValue(), situation->IsActive() ? kBad : kBarFill);
        y += kRowHeight;
    }
    if (situations.empty())
        Text(translate("START_NO_SITUATIONS"), x, y, kDim);
}
