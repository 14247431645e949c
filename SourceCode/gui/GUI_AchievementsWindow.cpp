#include "gui/GUI_AchievementsWindow.h"

#include <algorithm>

#include "gamedata/Localisation.h"
#include "gui/WindowStyle.h"
#include "politics/AchievementList.h"

namespace {
constexpr float kWidth = 940.0f;
constexpr float kEntryHeight = 46.0f;
constexpr float kListTop = 72.0f;

size_t Rows() { return (AchievementList::Get().Achievements().size() + 1) / 2; }

// As tall as the rows of two need, up to the rows in view; then they scroll.
float ListHeight()
{
    return std::clamp<size_t>(Rows(), 1, GUI_AchievementsWindow::kRowsInView) * kEntryHeight + 6.0f;
}

float WindowHeight() { return kListTop + ListHeight() + 70.0f; }
}  // namespace

void GUI_AchievementsWindow::Open()
{
    Reopen<GUI_AchievementsWindow>();
}

GUI_AchievementsWindow::GUI_AchievementsWindow()
    : GUI_GameWindow(kName, "ACHIEVE_TITLE", kWidth, WindowHeight())
{
    AddTextButton("AchievementsReset", "ACHIEVE_RESET", kWidth - 230.0f, mHeight - 46.0f, 200.0f,
                  [](int) { AchievementList::Get().ResetAchievements(); });
    mList = AddList("List", 20.0f, kListTop, kWidth - 40.0f, ListHeight(),
                    [this](float left, float top) { DrawRows(left, top); });
    mList->SetRows(Rows(), kEntryHeight);
    mList->SetContentHeight(mList->ContentHeight() + 6);
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
    Text(translate("ACHIEVE_STREAK") + " " + std::to_string(list.ConsecutiveWins()) + " / " +
             std::to_string(list.ConsecutiveLosses()),
         Left(), mRect.bottom - 40.0f, kDim);
}

void GUI_AchievementsWindow::DrawRows(float left, float top)
{
    using namespace WindowStyle;
    // Two columns, read across then down, so scrolling reaches every one.
    const float column = (mList->ContentWidth() - 18.0f) / 2.0f;
    size_t index = 0;
    for (const Achievement& achievement : AchievementList::Get().Achievements()) {
        const float x = left + 6.0f + (index % 2) * (column + 6.0f);
        const float y = top + 6.0f + (index / 2) * kEntryHeight;
        ++index;
        Inset(GRect{static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + column),
                    static_cast<int>(y + kEntryHeight - 6.0f)});
        const uint32_t colour = achievement.Achieved ? kGood : kDim;
        Text(achievement.Achieved ? "+" : "-", x + 8.0f, y + 8.0f, colour, 0.0f, LEFT, kBigFont, kBigSize);
        Text(achievement.Texts[0], x + 30.0f, y + 2.0f, achievement.Achieved ? kHeading : kText, column - 38.0f, LEFT,
             kHeadingFont);
        Text(achievement.Texts[1], x + 30.0f, y + 20.0f, kDim, column - 38.0f);
    }
}
