#pragma once
#include <functional>
#include <string>

#include "gui/GUI_WindowBase.h"

class GUI_ButtonText;
class SIM_Policy;

// The picker's panel about the chosen policy: what it does, how long it takes
// to come into force, what it costs in political capital, and the button that introduces it.
class GUI_PolicyInfo : public GUI_WindowBase {
public:
    GUI_PolicyInfo();
    void Show(SIM_Policy* policy);
    SIM_Policy* Policy() const { return mPolicy; }
    GUI_ButtonText* ImplementButton() const { return mImplement; }
    void Draw() override;
    void SetRect(float left, float top, float right, float bottom) override;

    std::function<void(SIM_Policy*)> OnImplement;

private:
    SIM_Policy* mPolicy = nullptr;
    GUI_ButtonText* mImplement = nullptr;
    std::string mTime;
    std::string mCost;
};
