#include "gui/GUI_AchievementsWindow.h"

#include "gamedata/Localisation.h"
#include "gui/WindowStyle.h"
#include "politics/AchievementList.h"

namespace {
constexpr float kWidth = 940.0f;
constexpr size_t kRows = (GUI_AchievementsWindow::kMaxShown + 1) / 2;
constexpr float kEntryHeight = 46.0f;
constexpr float kListTop = 50.0f;
}  // namespace

void GUI_AchievementsWindow::Open()
{
    Close();
    new GUI_AchievementsWindow();
}

GUI_AchievementsWindow::GUI_AchievementsWindow()
    : GUI_GameWindow(kName, "ACHIEVE_TITLE", kWidth, kListTop + kRows * kEntryHeight + 90.0f)
{
    AddTextButton("AchievementsReset", "ACHIEVE_RESET", kWidth - 230.0f, mHeight - 46.0f, 200.0f,
                  [](int) { AchievementList::Get().ResetAchievements(); });
}

void GUI_AchievementsWindow::DrawContents()
{
    using namespace WindowStyle;
    const AchievementList& list = AchievementList::Get();
    int won = 0;
    for (const Achievement& achievement : list.Achievements())
        won += achievement.Achieved ? 1 : 0;
    Row(translate("ACHIEVE_WON"), std::to_string(won) + " / " + std::to_string(list.Achievements().size()), Left(),
        Top(), InnerWidth(), kHeading);
    // Two columns, read down then across.
    const float column = (InnerWidth() - 16.0f) / 2.0f;
    size_t shown = 0;
    for (const Achievement& achievement : list.Achievements()) {
        if (shown == kMaxShown)
            break;
        const float x = Left() + (shown / kRows) * (column + 16.0f);
        const float y = mRect.top + kListTop + 16.0f + (shown % kRows) * kEntryHeight;
        ++shown;
        Inset(GRect{static_cast<int>(x) - 6, static_cast<int>(y), static_cast<int>(x + column),
                    static_cast<int>(y + kEntryHeight - 4.0f)});
        const uint32_t colour = achievement.Achieved ? kGood : kDim;
        Text(achievement.Achieved ? "+" : "-", x, y + 10.0f, colour, 0.0f, LEFT, kBigFont, kBigSize);
        Text(achievement.Texts[0], x + 24.0f, y + 2.0f, achievement.Achieved ? kHeading : kText, column - 30.0f,
             LEFT, kHeadingFont);
        Text(achievement.Texts[1], x + 24.0f, y + 21.0f, kDim, column - 30.0f);
    }
    Text(translate("ACHIEVE_STREAK") + " " + std::to_string(list.ConsecutiveWins()) + " / " +
             std::to_string(list.ConsecutiveLosses()),
         Left(), mRect.bottom - 40.0f, kDim);
}
