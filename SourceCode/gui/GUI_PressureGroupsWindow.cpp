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
constexpr float kGroupHeight = 44.0f;
constexpr float kGroupsTop = 72.0f;
constexpr float kGroupsHeight = 7 * kGroupHeight;
constexpr float kGrudgesHeading = kGroupsTop + kGroupsHeight + 14.0f;
constexpr float kGrudgesTop = kGrudgesHeading + 26.0f;
constexpr float kGrudgesHeight = 7 * WindowStyle::kRowHeight + 8.0f;
constexpr float kHeight = kGrudgesTop + kGrudgesHeight + 24.0f;
// Column starts within a row, from its left edge.
constexpr float kColumns[] = {10.0f, 250.0f, 430.0f, 576.0f};

// The strongest grudges first: those are the ones the player feels.
std::vector<const SIM_Grudge*> SortedGrudges()
{
    std::vector<const SIM_Grudge*> grudges(SIM_Grudge::All().begin(), SIM_Grudge::All().end());
    std::stable_sort(grudges.begin(), grudges.end(), [](const SIM_Grudge* a, const SIM_Grudge* b) {
        return std::fabs(a->GetValue()) > std::fabs(b->GetValue());
    });
    return grudges;
}

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
    Reopen<GUI_PressureGroupsWindow>();
}

GUI_PressureGroupsWindow::GUI_PressureGroupsWindow() : GUI_GameWindow(kName, "GROUPS_TITLE", kWidth, kHeight)
{
    mGroups = AddList("Groups", 20.0f, kGroupsTop, kWidth - 40.0f, kGroupsHeight,
                      [this](float left, float top) { DrawGroups(left, top); });
    mGroups->SetRows(SIM_PressureGroup::All().size(), kGroupHeight);
    mGrudges = AddList("Grudges", 20.0f, kGrudgesTop, kWidth - 40.0f, kGrudgesHeight,
                       [this](float left, float top) { DrawGrudges(left, top); });
    mGrudges->SetRows(SIM_Grudge::All().size(), WindowStyle::kRowHeight);
    // A little air below the last grudge, as above the first.
    mGrudges->SetContentHeight(mGrudges->ContentHeight() + 8);
}

void GUI_PressureGroupsWindow::DrawContents()
{
    using namespace WindowStyle;
    const float x = mRect.left + 20.0f;
    const float y = mRect.top + kGroupsTop - 22.0f;
    Text(translate("GROUPS_NAME"), x + kColumns[0], y, kDim);
    Text(translate("GROUPS_MEMBERS"), x + kColumns[1], y, kDim);
    Text(translate("GROUPS_STRENGTH"), x + kColumns[2], y, kDim);
    Text(translate("GROUPS_ATTACKS"), x + kColumns[3], y, kDim);
    Heading(translate("GROUPS_GRUDGES"), x, mRect.top + kGrudgesHeading);
}

void GUI_PressureGroupsWindow::DrawGroups(float left, float top)
{
    using namespace WindowStyle;
    const auto& groups = SIM_PressureGroup::All();
    if (groups.empty())
        Text(translate("GROUPS_NONE"), left + kColumns[0], top + 10.0f);
    const float right = left + mGroups->ContentWidth() - 10.0f;
    float y = top;
    for (const SIM_PressureGroup* group : groups) {
        if (y > top)
            Separator(left + 6.0f, y, mGroups->ContentWidth() - 12.0f);
        const float x0 = left + kColumns[0], x1 = left + kColumns[1], x2 = left + kColumns[2], x3 = left + kColumns[3];
        Text(group->GUIName, x0, y + 4.0f, kHeading, 230.0f, LEFT, kHeadingFont);
        Text(translate(group->Recruiting ? "GROUPS_RECRUITING" : "GROUPS_QUIET"), x0, y + 22.0f,
             group->Recruiting ? kBad : kDim);
        const std::string members = group->DisplayedMembership();
        Text(members.empty() ? std::to_string(group->MemberCount()) : members, x1, y + 13.0f, kText, 170.0f);
        Text(Whole(group->Strength), x2, y + 13.0f, kText, 34.0f, RIGHT);
        Gauge(GRect{static_cast<int>(x2) + 44, static_cast<int>(y) + 18, static_cast<int>(x2) + 134,
                    static_cast<int>(y) + 28},
              group->Threat(), group->Threat() > 0.5f ? kBad : kBarFill);
        Text(AttacksOf(*group), x3, y + 13.0f, kText, right - x3);
        y += kGroupHeight;
    }
}

void GUI_PressureGroupsWindow::DrawGrudges(float left, float top)
{
    using namespace WindowStyle;
    const std::vector<const SIM_Grudge*> grudges = SortedGrudges();
    const float x = left + kColumns[0];
    const float width = mGrudges->ContentWidth() - 20.0f;
    float y = top + 4.0f;
    if (grudges.empty())
        Text(translate("GROUPS_NO_GRUDGES"), x, y, kDim);
    for (const SIM_Grudge* grudge : grudges) {
        const std::string name = grudge->GetDisplayName().empty() ? grudge->GetName() : grudge->GetDisplayName();
        Text(name, x, y, kText, kColumns[2] - 40.0f);
        const Neuron* target = Neuron::FindNeuronQuietly(grudge->TargetName());
        Text(translate("GROUPS_AGAINST") + " " +
                 (target && !target->GetDisplayName().empty() ? target->GetDisplayName() : grudge->TargetName()),
             left + kColumns[2] - 20.0f, y, kDim, 300.0f);
        Text(Signed(grudge->GetValue()), x, y, grudge->GetValue() < 0.0f ? kBad : kGood, width, RIGHT);
        y += kRowHeight;
    }
}
