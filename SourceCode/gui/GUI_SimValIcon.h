#pragma once
#include "gui/GUI_IconBase.h"

class SIM_SimVal;

// A simulation value: a blue circle that, while the mouse is near, turns red,
// yellow or green by how good the value is for the country.
class GUI_SimValIcon : public GUI_IconBase {
public:
    explicit GUI_SimValIcon(SIM_SimVal* value);
    void Draw() override;
    void OpenDetails() override;
    // The circle colour for a goodness 0..1 (0.33 and 0.66 as floats).
    static uint32_t GoodnessColour(float goodness);

private:
    SIM_SimVal* mValue;
};
