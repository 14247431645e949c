#include "gui/GUI_PollHistoryWindow.h"

#include "gamedata/Localisation.h"
#include "gui/WindowStyle.h"
#include "sim/OpinionPoll.h"

void GUI_PollHistoryWindow::Open()
{
    Reopen<GUI_PollHistoryWindow>();
}

GUI_PollHistoryWindow::GUI_PollHistoryWindow() : GUI_GameWindow(kName, "POLLS_HISTORY_TITLE", 640.0f, 384.0f)
{
    const OpinionPoll& poll = OpinionPoll::Get();
    std::vector<float> approval(OpinionPoll::kHistorySize);
    std::vector<float> share(OpinionPoll::kHistorySize);
    for (int i = 0; i < OpinionPoll::kHistorySize; ++i) {
        approval[OpinionPoll::kHistorySize - 1 - i] = poll.ApprovalHistory(i);
        share[OpinionPoll::kHistorySize - 1 - i] = poll.VoteShareHistory(i);
    }
    mGraph.SetRect(Left(), Top() + 26.0f, Left() + InnerWidth(), Top() + 316.0f);
    mGraph.SetRange(0.0f, 1.0f);
    mGraph.SetScaleLabels(WindowStyle::Percent(1.0f), WindowStyle::Percent(0.0f));
    mGraph.SetSeries({{approval, WindowStyle::kBarFill, translate("MAIN_APPROVAL")},
                      {share, WindowStyle::kHeading, translate("MAIN_VOTESHARE")},
                      {std::vector<float>(OpinionPoll::kHistorySize, 0.5f), WindowStyle::kDim, ""}});
}

void GUI_PollHistoryWindow::DrawContents()
{
    WindowStyle::Heading(translate("POLLS_HISTORY_TURNS"), Left(), Top());
    WindowStyle::Flush();
    mGraph.Draw();
}
