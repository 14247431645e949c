#include <gtest/gtest.h>

#include <vector>

#include "FakeClock.h"
#include "engine/BaseGUIScreen.h"
#include "engine/CInput.h"
#include "engine/Game.h"
#include "engine/ScreenFader.h"

namespace {

class ClickCounter : public BaseGUIScreen {
public:
    int clicks = 0;
    void Render() override {}
    bool OnClick(float, float) override { return ++clicks > 0; }
};

TEST(ScreenFader, FadeToBlackBlocksClicksAndCallsBackWhenBlack)
{
    ClickCounter screen;
    Game& game = GetGame();
    game.RegisterScreen(STATE_MENU, &screen);
    game.SetState(STATE_MENU);
    FakeClock clock;
    ScreenFader fader(clock);
    CInput& input = GetInput();
    input.Update();
    std::vector<int> calledWith;
    fader.FadeOutThen([&calledWith](int argument) { calledWith.push_back(argument); }, 7);
    EXPECT_TRUE(input.ClicksBlocked);

    clock.Advance(75);
    fader.UpdateAndDraw();
    EXPECT_EQ(fader.GetMode(), ScreenFader::kToBlack);
    EXPECT_EQ(fader.Alpha(), 127);
    input.QueueRecord(InputRecord::Button(true, 0, 10, 10));
    input.QueueRecord(InputRecord::Button(false, 0, 10, 10));
    input.Update();
    EXPECT_EQ(screen.clicks, 0) << "a click during a fade to black is ignored";

    clock.Advance(100);
    fader.UpdateAndDraw();
    EXPECT_EQ(fader.Alpha(), 255);
    EXPECT_EQ(calledWith, std::vector<int>{7});
    EXPECT_EQ(fader.GetMode(), ScreenFader::kIdle);
    EXPECT_FALSE(input.ClicksBlocked);
    fader.UpdateAndDraw();  // idle: nothing more happens
    EXPECT_EQ(calledWith.size(), 1u);

    fader.Start(ScreenFader::kFromBlack);
    EXPECT_FALSE(input.ClicksBlocked);
    clock.Advance(30);
    fader.UpdateAndDraw();
    EXPECT_EQ(fader.Alpha(), 204);  // (1 - 0.2) * 255
    game.RegisterScreen(STATE_MENU, nullptr);
}

}  // namespace
