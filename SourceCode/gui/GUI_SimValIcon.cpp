#include "gui/GUI_SimValIcon.h"

#include "engine/CInput.h"
#include "gui/GUI_NeuronDetails.h"
#include "platform/ScanCodes.h"
#include "sim/SIM_SimVal.h"

GUI_SimValIcon::GUI_SimValIcon(SIM_SimVal* value) : GUI_IconBase(KIND_SIMVAL, value), mValue(value)
{
    mCircle.SetTexture("blue_circicon.dds");
}

uint32_t GUI_SimValIcon::GoodnessColour(float g)
{
    if (g < 0.33f)
        return 0xA00E06u;
    if (g < 0.66f)
        return 0xA0A00Eu;
    return 0x0EA00Eu;
}

void GUI_SimValIcon::Draw()
{
    if (!Visible)
        return;
    uint32_t rgb = 0x2F6C93u;
    if (HoverCount > 0) {
        const float v = mValue->GetValue();
        rgb = GoodnessColour(mValue->HigherIsBetter() ? v : 1.0f - v);
    }
    DrawCircle(rgb, mValue->Icon());
}

void GUI_SimValIcon::OpenDetails() { GUI_NeuronDetails::OpenAfterFade(mValue); }
