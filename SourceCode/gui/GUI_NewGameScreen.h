#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/FrameTimer.h"
#include "engine/SmartTexture.h"
#include "gamedata/NewGameSetup.h"
#include "gui/GUI_Screen.h"

class GUI_SliderControl;

// The customisation of a chosen mission: the country's name (typed), the two
// party names, the term, the currency and the new-game sliders. Every choice
// starts from the mission each time the screen opens; the start button writes
// them into the mission and starts the game.
class GUI_NewGameScreen : public GUI_Screen {
public:
    void Render() override;
    bool OnClick(float x, float y) override;
    void OnKey(int scanCode) override;
    void Activate() override;
    void Update() override;

    const NewGameSetup& Setup() const { return mSetup; }
    const GRect& Panel() const { return mPanel; }
    const GRect& NameField() const { return mNameField; }
    bool NameFocused() const { return mNameFocused; }
    const std::vector<std::unique_ptr<GUI_SliderControl>>& Sliders() const { return mSliders; }

    // Applies the choices to the mission and starts the game.
    void StartGame();

private:
    void Layout();
    void AddArrows(const char* name, int top, std::function<void(int)> step);
    void TypeKey(int scanCode);
    void DrawLabel(const std::string& text, int top) const;
    void DrawChoice(const std::string& text, int top) const;

    NewGameSetup mSetup;
    GRect mPanel;
    GRect mNameField;
    int mLeft = 0;
    int mLeftWidth = 0;
    bool mNameFocused = false;
    FrameTimer mCaretTimer;
    std::vector<std::unique_ptr<GUI_SliderControl>> mSliders;
    SmartTexture mBackground{"loadscreen.jpg"};
};

GUI_NewGameScreen& GetNewGameScreen();
