#pragma once
#include "gui/GUI_WindowBase.h"

class GUI_ControlPanel;

// The bar across the top of the main screen: the date, the time line to the
// next election, the finance summary, the political capital, the poll bar and
// the control panel.
class GUI_TopStrip : public GUI_WindowBase {
public:
    static constexpr int kHeight = 46;
    GUI_TopStrip();
    void Layout(float screenWidth);
    void Draw() override;
    GUI_ControlPanel* Panel() const { return mPanel; }
    // The date as the strip shows it; the game's first year is year 1.
    static std::string DateText(int month, int year);

private:
    void DrawTimeLine(int left, int right);
    void DrawFinance(float x);
    void DrawCapitalAndPoll(float x, float width);

    GUI_ControlPanel* mPanel;
};
