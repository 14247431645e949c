#pragma once
#include <string>
#include <vector>

#include "engine/SmartTexture.h"
#include "gamedata/MissionList.h"
#include "gui/GUI_Screen.h"

// The mission chooser: every mission file, a page at a time, each as one
// button with its picture, name and description. Choosing one loads it into
// the mission object and leads on to the customisation screen.
class GUI_ChooseGameScreen : public GUI_Screen {
public:
    static constexpr int kPerPage = 5;

    void Render() override;
    void OnKey(int scanCode) override;
    void Activate() override;

    // The missions on offer, in display order (listed at the first activation).
    const std::vector<MissionChoice>& Missions() const { return mMissions; }
    // The mission buttons' names, in the same order.
    const std::vector<std::string>& ButtonNames() const { return mButtonNames; }
    // Lists the missions again (tests, a player folder changed).
    void Relist();
    int Page() const { return mPage; }
    int PageCount() const;
    void ShowPage(int page);
    const GRect& Panel() const { return mPanel; }

    // The button name of a mission: "Mission_" and its file's name.
    static std::string ButtonName(const std::string& missionPath);
    // Loads the chosen mission afresh (cleared first) and opens the customisation screen.
    static void Choose(const std::string& missionPath);

private:
    void BuildPage();

    std::vector<MissionChoice> mMissions;
    std::vector<std::string> mButtonNames;
    bool mListed = false;
    int mPage = 0;
    GRect mPanel;
    SmartTexture mBackground{"loadscreen.jpg"};
};

GUI_ChooseGameScreen& GetChooseGameScreen();
