#pragma once
#include <string>

#include "engine/CTexturedSprite.h"
#include "gamedata/MissionList.h"
#include "gui/GUI_ButtonBase.h"

// One mission on the chooser: a panel with the mission's picture, name and
// description; a click anywhere on it chooses the mission.
class GUI_MissionButton : public GUI_ButtonBase {
public:
    static constexpr int kPictureWidth = 100;
    static constexpr int kPictureHeight = 75;

    GUI_MissionButton(std::string name, MissionChoice mission);
    void Draw() override;
    void SetRect(float left, float top, float right, float bottom) override;

    const MissionChoice& Mission() const { return mMission; }

private:
    MissionChoice mMission;
    CTexturedSprite mPicture;
};
