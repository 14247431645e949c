#pragma once
#include "gui/GUI_IconBase.h"

class SIM_Situation;

// A situation in force: green grass when it helps, fire when it hurts.
class GUI_SituationIcon : public GUI_IconBase {
public:
    explicit GUI_SituationIcon(SIM_Situation* situation);
    void Draw() override;
    void OpenDetails() override;

private:
    SIM_Situation* mSituation;
};
