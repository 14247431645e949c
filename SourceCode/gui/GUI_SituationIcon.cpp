#include "gui/GUI_SituationIcon.h"

#include "gui/GUI_NeuronDetails.h"
#include "sim/SIM_Situation.h"

GUI_SituationIcon::GUI_SituationIcon(SIM_Situation* situation)
    : GUI_IconBase(KIND_SITUATION, situation), mSituation(situation)
{
    mCircle.SetTexture(situation->IsPositive() ? "circle_grass.dds" : "circle_fire.dds");
}

void GUI_SituationIcon::Draw()
{
    if (Visible)
        DrawCircle(0xFFFFFFu, mSituation->Icon());
}

void GUI_SituationIcon::OpenDetails() { GUI_NeuronDetails::OpenAfterFade(mSituation); }
