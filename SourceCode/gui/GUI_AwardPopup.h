#pragma once
#include <string>

#include "gui/GUI_GameWindow.h"

// An achievement has just been won: its title and what earned it.
class GUI_AwardPopup : public GUI_GameWindow {
public:
    static constexpr const char* kName = "AwardPopup";
    static void Open(const std::string& id, const std::string& title);
    static void Close() { CloseNamed(kName); }

    GUI_AwardPopup(const std::string& id, const std::string& title);
    void DrawContents() override;

private:
    std::string mTitle;
    std::string mDescription;
};
