#pragma once
#include "gui/GUI_Dialog.h"

class GUISlider;
class SIM_Policy;

// A policy in force: its slider with what the setting would cost and earn,
// how far it is implemented and who is in charge, what it influences with
// each effect's response curve, and the button that cancels it.
class GUIPolicyDetails : public GUI_Dialog {
public:
    static constexpr const char* kName = "PolicyDetails";

    static void OpenAfterFade(const SIM_Policy* policy);
    static GUIPolicyDetails* Open(SIM_Policy* policy);
    static GUIPolicyDetails* Current();

    explicit GUIPolicyDetails(SIM_Policy* policy);
    ~GUIPolicyDetails() override;
    void Draw() override;
    GUISlider* Slider() const { return mSlider; }
    SIM_Policy* Policy() const { return mPolicy; }

private:
    void DrawEffects(float x, float y);

    SIM_Policy* mPolicy;
    GUISlider* mSlider;
    bool mCancelOnClose = false;
};
