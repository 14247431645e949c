#include "gui/GUI_PressureGroupsWindow.h"

#include <algorithm>
#include <cmath>

#include "gamedata/Localisation.h"
#include "gui/WindowStyle.h"
#include "platform/NumberText.h"
#include "politics/SIM_AttackEvent.h"
#include "politics/SIM_Grudge.h"
#include "politics/SIM_PressureGroup.h"

namespace {
constexpr float kWidth = 860.0f;
constexpr float kHeight = 640.0f;
constexpr float kGroupHeight = 44.0f;
constexpr size_t kMaxGrudges = 6;

std::string Whole(float value) { return NumberText::FormatInt(std::lround(value)); }

std::string AttacksOf(const SIM_PressureGroup& group)
{
    std::string list;
    for (const SIM_AttackEvent* attack : SIM_AttackEvent::All())
        if (attack->UsedBy == group.Name)
            list += (list.empty() ? "" : ", ") + attack->GUIName + " (" + Whole(attack->MinStrength) + ")";
    return list.empty() ? translate("GROUPS_NO_ATTACKS") : list;
}
}  // namespace

void GUI_PressureGroupsWindow::Open()
{
    Close();
    new GUI_PressureGroupsWindow();
}

GUI_PressureGroupsWindow::GUI_PressureGroupsWindow() : GUI_GameWindow(kName, "GROUPS_TITLE", kWidth, kHeight) {}

void GUI_PressureGroupsWindow::DrawContents()
{
    using namespace WindowStyle;
    const float x = Left();
    const float columns[] = {x, x + 240.0f, x + 420.0f, x + 566.0f};
    Text(translate("GROUPS_NAME"), columns[0], Top(), kDim);
    Text(translate("GROUPS_MEMBERS"), columns[1], Top(), kDim);
    Text(translate("GROUPS_STRENGTH"), columns[2], Top(), kDim);
    Text(translate("GROUPS_ATTACKS"), columns[3], Top(), kDim);
    float y = Top() + 24.0f;
    const auto& groups = SIM_PressureGroup::All();
    if (groups.empty())
        Text(translate("GROUPS_NONE"), x, y);
    const float groupsBottom = mRect.bottom - 40.0f - (kMaxGrudges + 1) * kRowHeight;
    for (const SIM_PressureGroup* group : groups) {
        if (y + kGroupHeight > groupsBottom)
            break;
        Inset(GRect{static_cast<int>(x) - 6, static_cast<int>(y), mRect.right - 20,
                    static_cast<int>(y + kGroupHeight - 4.0f)});
        Text(group->GUIName, columns[0], y + 3.0f, kHeading, 230.0f, LEFT, kHeadingFont);
        Text(translate(group->Recruiting ? "GROUPS_RECRUITING" : "GROUPS_QUIET"), columns[0], y + 21.0f,
             group->Recruiting ? kBad : kDim);
        const std::string members = group->DisplayedMembership();
        Text(members.empty() ? std::to_string(group->MemberCount()) : members, columns[1], y + 12.0f, kText, 170.0f);
        Text(Whole(group->Strength), columns[2], y + 12.0f, kText, 34.0f, RIGHT);
        Gauge(GRect{static_cast<int>(columns[2]) + 44, static_cast<int>(y) + 17, static_cast<int>(columns[2]) + 134,
                    static_cast<int>(y) + 27},
              group->Threat(), group->Threat() > 0.5f ? kBad : kBarFill);
        Text(AttacksOf(*group), columns[3], y + 12.0f, kText, mRect.right - 26.0f - columns[3]);
        y += kGroupHeight;
    }

    // The strongest grudges first: those are the ones the player feels.
    std::vector<const SIM_Grudge*> grudges(SIM_Grudge::All().begin(), SIM_Grudge::All().end());
    std::stable_sort(grudges.begin(), grudges.end(), [](const SIM_Grudge* a, const SIM_Grudge* b) {
        return std::fabs(a->GetValue()) > std::fabs(b->GetValue());
    });
    y = groupsBottom + 8.0f;
    Heading(translate("GROUPS_GRUDGES"), x, y);
    y += kRowHeight + 2.0f;
    if (grudges.empty())
        Text(translate("GROUPS_NO_GRUDGES"), x, y, kDim);
    for (size_t i = 0; i < grudges.size() && i < kMaxGrudges; ++i) {
        const SIM_Grudge& grudge = *grudges[i];
        const std::string name = grudge.GetDisplayName().empty() ? grudge.GetName() : grudge.GetDisplayName();
        Text(name, columns[0], y, kText, 390.0f);
        const Neuron* target = Neuron::FindNeuronQuietly(grudge.TargetName());
        Text(translate("GROUPS_AGAINST") + " " +
                 (target && !target->GetDisplayName().empty() ? target->GetDisplayName() : grudge.TargetName()),
             columns[2] - 20.0f, y, kDim, 300.0f);
        Text(Signed(grudge.GetValue()), x, y, grudge.GetValue() < 0.0f ? kBad : kGood, InnerWidth(), RIGHT);
        y += kRowHeight;
    }
}
