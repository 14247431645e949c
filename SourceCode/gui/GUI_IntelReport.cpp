#include "gui/GUI_IntelReport.h"

#include "gamedata/Localisation.h"
#include "gui/WindowStyle.h"
#include "politics/SIM_PressureGroup.h"

namespace {
constexpr float kWidth = 700.0f;
constexpr float kHeight = 520.0f;
constexpr float kGaugeWidth = 160.0f;
}  // namespace

void GUI_IntelReport::Open()
{
    Close();
    new GUI_IntelReport();
}

int GUI_IntelReport::MoodIndex(float strength)
{
    if (strength < 10.0f)
        return 0;
    return strength < 20.0f ? 1 : 2;
}

GUI_IntelReport::GUI_IntelReport() : GUI_GameWindow(kName, "INTEL_TITLE", kWidth, kHeight) {}

void GUI_IntelReport::DrawContents()
{
    using namespace WindowStyle;
    const float x = Left();
    const float textWidth = InnerWidth() - kGaugeWidth - 20.0f;
    float y = Top();
    const auto& groups = SIM_PressureGroup::All();
    if (groups.empty())
        Wrapped(translate("INTEL_REPORT_NOTHING_HAPPENING"), x, y, InnerWidth());
    for (const SIM_PressureGroup* group : groups) {
        const std::string& words = group->Texts[MoodIndex(group->Strength)];
        const float height = 26.0f + MeasureWrapped(words, textWidth) + 12.0f;
        if (y + height > mRect.bottom - 20.0f)
            break;
        Heading(group->GUIName, x, y);
        const std::string members = group->DisplayedMembership();
        Text(members, x, y, kDim, textWidth, RIGHT);
        Wrapped(words, x, y + 24.0f, textWidth, kText);
        const float gx = x + textWidth + 20.0f;
        Text(translate("INTEL_THREAT"), gx, y, kDim);
        Gauge(GRect{static_cast<int>(gx), static_cast<int>(y) + 24, static_cast<int>(gx + kGaugeWidth),
                    static_cast<int>(y) + 36},
              group->Threat(), group->Threat() > 0.5f ? kBad : kBarFill);
        y += height;
    }
}
