#pragma once
#include <string>

#include "engine/BaseGUIScreen.h"

// Stands in for a screen that is not built yet: shows the screen's name and
// goes back to the menu on a click or Escape.
class PlaceholderScreen : public BaseGUIScreen {
public:
    explicit PlaceholderScreen(std::string title) : mTitle(std::move(title)) {}

    void Render() override;
    bool OnClick(float x, float y) override;
    void OnKey(int scanCode) override;

    const std::string& Title() const { return mTitle; }

private:
    std::string mTitle;
};

// The placeholder shown for a state.
PlaceholderScreen& GetPlaceholderScreen(int state);
