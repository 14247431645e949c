#pragma once
#include <string>

#include "gui/GUI_GameWindow.h"

// The end of the game: why it ended, and the way back to the menu. While it
// is open no turn is played.
class GUI_GameOver : public GUI_GameWindow {
public:
    static constexpr const char* kName = "GameOver";
    static void Open(const std::string& title, const std::string& text);
    static void Close() { CloseNamed(kName); }

    GUI_GameOver(const std::string& title, const std::string& text);
    void DrawContents() override;

private:
    std::string mText;
};
