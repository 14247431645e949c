#pragma once
#include <functional>
#include <vector>

#include "gui/GUI_WindowBase.h"

class SIM_Policy;

// The policies of one category not yet in force, as many rows as fit, from a
// scroll offset that the wheel and the two arrow buttons move, so that every
// policy of a long category can be reached.
class GUI_PolicyList : public GUI_WindowBase {
public:
    GUI_PolicyList();
    void SetCategory(int category);
    int Category() const { return mCategory; }
    // Moves the first shown row by rows, kept within what can be shown.
    void Scroll(int rows);
    int Offset() const { return mOffset; }
    int Available() const { return static_cast<int>(mPolicies.size()); }
    int RowsThatFit() const;
    // The largest useful offset for a count of policies and rows that fit.
    static int MaxOffset(int policies, int rowsThatFit);

    void Draw() override;
    void Update() override;
    void SetRect(float left, float top, float right, float bottom) override;

    std::function<void(SIM_Policy*)> OnSelect;

private:
    void Rebuild();

    int mCategory = 2;
    int mOffset = 0;
    std::vector<SIM_Policy*> mPolicies;
};
