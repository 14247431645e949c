#pragma once
#include "gui/GUI_ButtonBase.h"

class SIM_Policy;

// One row of the picker's list: a policy not yet in force.
class GUI_PolicyStrip : public GUI_ButtonBase {
public:
    explicit GUI_PolicyStrip(SIM_Policy* policy);
    void Draw() override;
    SIM_Policy* Policy() const { return mPolicy; }

private:
    SIM_Policy* mPolicy;
};
