#include "gui/GUI_MinisterChooser.h"

#include <algorithm>

#include "gamedata/Localisation.h"
#include "gui/WindowStyle.h"
#include "politics/SIM_Cabinet.h"
#include "politics/SIM_Minister.h"
#include "politics/SIM_VoterType.h"
#include "sim/SIM_PolicyManager.h"

namespace {
constexpr float kWidth = 840.0f;
constexpr float kRowsTop = 104.0f;
constexpr float kCandidateHeight = 40.0f;

// Columns within a row, from its left edge.
constexpr float kColumns[] = {10.0f, 230.0f, 310.0f, 410.0f};

// Room for those out of office, at least one row (for the line that says
// there is nobody), and no more than the rows in view.
float ListHeight()
{
    size_t free = 0;
    for (const SIM_Minister* minister : SIM_Cabinet::Get().Pool())
        free += minister->IsInOffice() ? 0 : 1;
    return std::clamp<size_t>(free, 1, GUI_MinisterChooser::kRowsInView) * kCandidateHeight;
}

std::string GroupName(const SIM_VoterType* group)
{
    return group ? group->GetDisplayName() : std::string("-");
}
}  // namespace

void GUI_MinisterChooser::Open(int ministry)
{
    Reopen<GUI_MinisterChooser>(ministry);
}

GUI_MinisterChooser::GUI_MinisterChooser(int ministry)
    : GUI_GameWindow(kName, "CHOOSER_TITLE", kWidth, kRowsTop + ListHeight() + 24.0f, true),
      mMinistry(ministry)
{
    // Those out of office, best suited first.
    for (SIM_Minister* minister : SIM_Cabinet::Get().Pool())
        if (!minister->IsInOffice())
            mCandidates.push_back(minister);
    std::stable_sort(mCandidates.begin(), mCandidates.end(), [ministry](const SIM_Minister* a, const SIM_Minister* b) {
        return a->SuitabilityFor(ministry) > b->SuitabilityFor(ministry);
    });
    mList = AddList("List", 20.0f, kRowsTop, kWidth - 40.0f, ListHeight(),
                    [this](float left, float top) { DrawRows(left, top); });
    mList->SetRows(mCandidates.size(), kCandidateHeight);
    for (size_t i = 0; i < mCandidates.size(); ++i)
        AddListButton(*mList, "ChooseMinister" + std::to_string(i), "CHOOSER_APPOINT", mList->ContentWidth() - 120.0f,
                      i * kCandidateHeight + 7.0f, 110.0f, [this](int index) { Choose(index); }, static_cast<int>(i));
}

bool GUI_MinisterChooser::Choose(size_t candidate)
{
    SIM_PolicyGroup* group = GetPolicyManager().Group(mMinistry);
    if (!group || candidate >= mCandidates.size())
        return false;
    SIM_Cabinet& cabinet = SIM_Cabinet::Get();
    cabinet.Appoint(mCandidates[candidate], group);
    cabinet.RecomputeCapital();
    CloseSelf();
    return true;
}

void GUI_MinisterChooser::DrawContents()
{
    using namespace WindowStyle;
    const SIM_PolicyGroup* group = GetPolicyManager().Group(mMinistry);
    Heading(group ? group->CabinetPost() : std::string(), Left(), Top());
    const float x = mRect.left + 20.0f;
    const float y = mRect.top + kRowsTop - 24.0f;
    Text(translate("CHOOSER_NAME"), x + kColumns[0], y, kDim);
    Text(translate("CABINET_SUITABILITY"), x + kColumns[1], y, kDim);
    Text(translate("CABINET_EXPERIENCE"), x + kColumns[2], y, kDim);
    Text(translate("CHOOSER_SYMPATHIES"), x + kColumns[3], y, kDim);
}

void GUI_MinisterChooser::DrawRows(float left, float top)
{
    using namespace WindowStyle;
    if (mCandidates.empty())
        Text(translate("CHOOSER_NOBODY"), left + kColumns[0], top + 10.0f);
    const float sympathiesWidth = mList->ContentWidth() - 130.0f - kColumns[3];
    for (size_t i = 0; i < mCandidates.size(); ++i) {
        const SIM_Minister& minister = *mCandidates[i];
        const float y = top + i * kCandidateHeight;
        if (i > 0)
            Separator(left + 6.0f, y, mList->ContentWidth() - 12.0f);
        Text(minister.FullName(), left + kColumns[0], y + 10.0f, kText, kColumns[1] - kColumns[0] - 10.0f);
        Text(Percent(minister.SuitabilityFor(mMinistry)), left + kColumns[1], y + 10.0f);
        Text(Percent(minister.Experience()), left + kColumns[2], y + 10.0f);
        Text(GroupName(minister.Sympathy1()) + ", " + GroupName(minister.Sympathy2()), left + kColumns[3], y + 10.0f,
             kDim, sympathiesWidth);
    }
}
