#pragma once
#include "gui/GUI_IconBase.h"

class SIM_Policy;

// A policy in force, with its picture; a thin arc shows how far it is implemented.
class GUI_PolicyIcon : public GUI_IconBase {
public:
    explicit GUI_PolicyIcon(SIM_Policy* policy);
    void Draw() override;
    void OpenDetails() override;

private:
    SIM_Policy* mPolicy;
};
