#include "gui/GUI_IntelReport.h"

#include <algorithm>

#include "gamedata/Localisation.h"
#include "gui/WindowStyle.h"
#include "politics/SIM_PressureGroup.h"

namespace {
constexpr float kWidth = 700.0f;
constexpr float kListTop = 56.0f;
constexpr float kMaxListHeight = 500.0f;
constexpr float kGaugeWidth = 160.0f;
// The list's width less its scroll bar, the padding and the gauge column.
constexpr float kTextWidth = kWidth - 40.0f - 16.0f - 20.0f - kGaugeWidth - 20.0f;

float GroupHeight(const SIM_PressureGroup& group)
{
    return 10.0f + 24.0f + WindowStyle::MeasureWrapped(group.Texts[GUI_IntelReport::MoodIndex(group.Strength)],
                                                       kTextWidth) + 12.0f;
}

float ContentHeight()
{
    float height = 0.0f;
    for (const SIM_PressureGroup* group : SIM_PressureGroup::All())
        height += GroupHeight(*group);
    return height;
}

// Every group in view when they fit, up to a limit; then they scroll.
float ListHeight() { return std::clamp(ContentHeight(), 80.0f, kMaxListHeight); }
}  // namespace

void GUI_IntelReport::Open()
{
    Reopen<GUI_IntelReport>();
}

int GUI_IntelReport::MoodIndex(float strength)
{
    if (strength < 10.0f)
        return 0;
    return strength < 20.0f ? 1 : 2;
}

GUI_IntelReport::GUI_IntelReport()
    : GUI_GameWindow(kName, "INTEL_TITLE", kWidth, kListTop + ListHeight() + 24.0f)
{
    mList = AddList("List", 20.0f, kListTop, kWidth - 40.0f, ListHeight(),
                    [this](float left, float top) { DrawRows(left, top); });
    mList->SetContentHeight(static_cast<int>(ContentHeight()));
}

void GUI_IntelReport::DrawRows(float left, float top)
{
    using namespace WindowStyle;
    const float x = left + 10.0f;
    float y = top;
    const auto& groups = SIM_PressureGroup::All();
    if (groups.empty())
        Wrapped(translate("INTEL_REPORT_NOTHING_HAPPENING"), x, y + 10.0f, mList->ContentWidth() - 20.0f);
    for (const SIM_PressureGroup* group : groups) {
        if (y > top)
            Separator(left + 6.0f, y, mList->ContentWidth() - 12.0f);
        const float ty = y + 10.0f;
        Heading(group->GUIName, x, ty, kTextWidth);
        Text(group->DisplayedMembership(), x, ty, kDim, kTextWidth, RIGHT);
        Wrapped(group->Texts[MoodIndex(group->Strength)], x, ty + 24.0f, kTextWidth, kText);
        const float gx = left + mList->ContentWidth() - 10.0f - kGaugeWidth;
        Text(translate("INTEL_THREAT"), gx, ty, kDim);
        Gauge(GRect{static_cast<int>(gx), static_cast<int>(ty) + 24, static_cast<int>(gx + kGaugeWidth),
                    static_cast<int>(ty) + 36},
              group->Threat(), group->Threat() > 0.5f ? kBad : kBarFill);
        y += GroupHeight(*group);
    }
}
