#include "gui/GUI_AwardPopup.h"

#include "gamedata/Localisation.h"
#include "gui/WindowStyle.h"
#include "politics/AchievementList.h"

namespace {
constexpr float kWidth = 460.0f;
constexpr float kHeight = 220.0f;
}  // namespace

void GUI_AwardPopup::Open(const std::string& id, const std::string& title)
{
    Reopen<GUI_AwardPopup>(id, title);
}

GUI_AwardPopup::GUI_AwardPopup(const std::string& id, const std::string& title)
    : GUI_GameWindow(kName, "ACHIEVE_AWARDED", kWidth, kHeight), mTitle(title)
{
    for (const Achievement& achievement : AchievementList::Get().Achievements())
        if (achievement.Id == id)
            mDescription = achievement.Texts[1];
    AddTextButton("AwardOk", "EVENT_OK", kWidth / 2.0f - 70.0f, kHeight - 50.0f, 140.0f, [this](int) { CloseSelf(); });
}

void GUI_AwardPopup::DrawContents()
{
    using namespace WindowStyle;
    Text(mTitle, Left(), Top() + 6.0f, kHeading, InnerWidth(), CENTRE, kBigFont, kBigSize);
    Wrapped(mDescription, Left(), Top() + 40.0f, InnerWidth(), kText);
}
