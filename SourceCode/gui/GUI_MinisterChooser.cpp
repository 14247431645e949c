#include "gui/GUI_MinisterChooser.h"

#include <algorithm>

#include "gamedata/Localisation.h"
#include "gui/WindowStyle.h"
#include "politics/SIM_Cabinet.h"
#include "politics/SIM_Minister.h"
#include "politics/SIM_VoterType.h"
#include "sim/SIM_PolicyManager.h"

namespace {
constexpr float kWidth = 760.0f;
constexpr float kRowsTop = 104.0f;
constexpr float kCandidateHeight = 40.0f;

// Room for those out of office, at least one row (for the line that says there is nobody).
float WindowHeight()
{
    size_t free = 0;
    for (const SIM_Minister* minister : SIM_Cabinet::Get().Pool())
        free += minister->IsInOffice() ? 0 : 1;
    free = std::clamp<size_t>(free, 1, GUI_MinisterChooser::kMaxCandidates);
    return kRowsTop + free * kCandidateHeight + 24.0f;
}

std::string GroupName(const SIM_VoterType* group)
{
    return group ? group->GetDisplayName() : std::string("-");
}
}  // namespace

void GUI_MinisterChooser::Open(int ministry)
{
    Close();
    new GUI_MinisterChooser(ministry);
}

GUI_MinisterChooser::GUI_MinisterChooser(int ministry)
    : GUI_GameWindow(kName, "CHOOSER_TITLE", kWidth, WindowHeight(), true),
      mMinistry(ministry)
{
    // Those out of office, best suited first.
    for (SIM_Minister* minister : SIM_Cabinet::Get().Pool())
        if (!minister->IsInOffice())
            mCandidates.push_back(minister);
    std::stable_sort(mCandidates.begin(), mCandidates.end(), [ministry](const SIM_Minister* a, const SIM_Minister* b) {
        return a->SuitabilityFor(ministry) > b->SuitabilityFor(ministry);
    });
    if (mCandidates.size() > kMaxCandidates)
        mCandidates.resize(kMaxCandidates);
    for (size_t i = 0; i < mCandidates.size(); ++i)
        AddTextButton("ChooseMinister" + std::to_string(i), "CHOOSER_APPOINT", kWidth - 140.0f,
                      kRowsTop + i * kCandidateHeight + 6.0f, 110.0f, [this](int index) { Choose(index); },
                      static_cast<int>(i));
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
    const float x = Left();
    Heading(group ? group->CabinetPost() : std::string(), x, Top());
    const float columns[] = {x, x + 210.0f, x + 320.0f, x + 410.0f};
    Text(translate("CHOOSER_NAME"), columns[0], Top() + 28.0f, kDim);
    Text(translate("CABINET_SUITABILITY"), columns[1], Top() + 28.0f, kDim);
    Text(translate("CABINET_EXPERIENCE"), columns[2], Top() + 28.0f, kDim);
    Text(translate("CHOOSER_SYMPATHIES"), columns[3], Top() + 28.0f, kDim);
    if (mCandidates.empty())
        Text(translate("CHOOSER_NOBODY"), x, mRect.top + kRowsTop + 8.0f);
    for (size_t i = 0; i < mCandidates.size(); ++i) {
        const SIM_Minister& minister = *mCandidates[i];
        const float y = mRect.top + kRowsTop + i * kCandidateHeight;
        Inset(GRect{static_cast<int>(x) - 6, static_cast<int>(y), mRect.right - 20,
                    static_cast<int>(y + kCandidateHeight - 4.0f)});
        Text(minister.FullName(), columns[0], y + 8.0f);
        Text(Percent(minister.SuitabilityFor(mMinistry)), columns[1], y + 8.0f);
        Text(Percent(minister.Experience()), columns[2], y + 8.0f);
        Text(GroupName(minister.Sympathy1()) + ", " + GroupName(minister.Sympathy2()), columns[3], y + 8.0f, kDim,
             190.0f);
    }
}
