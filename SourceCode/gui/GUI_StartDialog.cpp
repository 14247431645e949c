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
constexpr float kHeight = 560.0f;
}  // namespace

void GUI_StartDialog::Open()
{
    Reopen<GUI_StartDialog>();
}

GUI_StartDialog::GUI_StartDialog() : GUI_GameWindow(kName, "START_TITLE", kWidth, kHeight)
{
    AddTextButton("StartPlaying", "START_PLAY", kWidth / 2.0f - 100.0f, kHeight - 50.0f, 200.0f,
                  [this](int) { CloseSelf(); });
}

void GUI_StartDialog::DrawContents()
{
    using namespace WindowStyle;
    const SIM_Mission& mission = SIM_Mission::Get();
    const float x = Left();
    const float width = InnerWidth();
    float y = Top();
    Text(mission.Name(), x, y, kHeading, width, CENTRE, kBigFont, kBigSize);
    y += 32.0f;
    const std::string& briefing = mission.Briefing().empty() ? mission.Description() : mission.Briefing();
    y += Wrapped(briefing, x, y, width) + 16.0f;

    Heading(translate("START_SITUATIONS"), x, y);
    y += 26.0f;
    Inset(GRect{static_cast<int>(x) - 6, static_cast<int>(y) - 4, mRect.right - 20, mRect.bottom - 64});
    // The situations most in force first: those running now, then those close to starting.
    std::vector<const SIM_Situation*> situations(GetSituationManager().Situations().begin(),
                                                 GetSituationManager().Situations().end());
    std::stable_sort(situations.begin(), situations.end(), [](const SIM_Situation* a, const SIM_Situation* b) {
        return a->IsActive() != b->IsActive() ? a->IsActive() : a->GetValue() > b->GetValue();
    });
    if (situations.size() > kMaxSituations)
        situations.resize(kMaxSituations);
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
