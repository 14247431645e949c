#include "gui/GUI_GameOver.h"

#include "engine/Game.h"
#include "engine/GameState.h"
#include "gui/WindowStyle.h"

namespace {
constexpr float kWidth = 520.0f;
constexpr float kTextWidth = kWidth - 60.0f;

float WindowHeight(const std::string& text) { return 140.0f + WindowStyle::MeasureWrapped(text, kTextWidth); }
}  // namespace

void GUI_GameOver::Open(const std::string& title, const std::string& text)
{
    Reopen<GUI_GameOver>(title, text);
}

GUI_GameOver::GUI_GameOver(const std::string& title, const std::string& text)
    : GUI_GameWindow(kName, "", kWidth, WindowHeight(text), true), mText(text)
{
    Title = title;
    if (mClose)
        mClose->Visible = false;
    AddTextButton("GameOverMenu", "GAMEOVER_MENU", kWidth / 2.0f - 110.0f, WindowHeight(text) - 50.0f, 220.0f,
                  [this](int) {
                      CloseSelf();
                      Game& game = GetGame();
                      game.InGame = false;
                      game.SetState(STATE_MENU);
                  });
}

void GUI_GameOver::DrawContents() { WindowStyle::Wrapped(mText, Left(), Top() + 10.0f, kTextWidth); }
