#pragma once
#include "gui/GUI_WindowBase.h"

class GUI_PolicyInfo;
class GUI_PolicyList;
class SIM_Policy;

// The full-screen window in which the player introduces a new policy: seven
// category tabs, the list of the category's policies not yet in force, and a
// panel about the chosen one with the button that introduces it.
class GUI_PolicyPicker : public GUI_WindowBase {
public:
    static constexpr const char* kName = "PolicyPicker";
    static constexpr int kCategories = 7;

    // Opens the picker unless one is open, or the restrict-powers notice when
    // powers are restricted and no capital is left.
    static void OpenPolicyPicker();
    static GUI_PolicyPicker* Current();

    GUI_PolicyPicker();
    void Draw() override;
    void SetRect(float left, float top, float right, float bottom) override;
    void SelectCategory(int category);
    void Implement(SIM_Policy* policy);

    GUI_PolicyList* List() const { return mList; }
    GUI_PolicyInfo* Info() const { return mInfo; }
    SIM_Policy* LastIntroduced() const { return mLastIntroduced; }

private:
    void DrawSelectedTab();

    GUI_PolicyList* mList;
    GUI_PolicyInfo* mInfo;
    SIM_Policy* mLastIntroduced = nullptr;
};
