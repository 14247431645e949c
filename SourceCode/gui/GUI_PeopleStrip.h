#pragma once
#include "engine/CTexturedSprite.h"
#include "gui/GUI_IconBase.h"

class SIM_VoterType;

// A voter group in the middle of the main screen: its name, a bar of its
// share of the population, a meter of its mood and an arrow when the mood moved.
class GUI_PeopleStrip : public GUI_IconBase {
public:
    static constexpr float kTrendThreshold = 0.1f;

    explicit GUI_PeopleStrip(SIM_VoterType* group);
    void Draw() override;
    void OpenDetails() override;
    // The group's mood, -1 to 1, as 0 to 100 percent.
    std::string TooltipText() const override;
    // Members over voters; 0 while no voter exists.
    static float Share(unsigned members, int voters);

private:
    void DrawTrendArrow(float alpha);

    SIM_VoterType* mGroup;
    CTexturedSprite mBack{"peoplestrip.dds"};
    CTexturedSprite mBar{"peoplestrip.dds"};
    CTexturedSprite mArrow{"gui_arrow.dds"};
    float mNameWidth = 0.0f;
};
