#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "gui/GUI_BaseElement.h"
// A line graph of value series over turns, oldest on the left.
class GUI_HistoryGraph : public GUI_BaseElement {
public:
    struct Series {
        std::vector<float> oldestFirst;
        uint32_t colour = 0xffffffffu; // ARGB
        std::string label;
    };
    void SetRange(float low, float high);
    void SetSeries(std::vector<Series> series);
    // What the top and bottom edges stand for ("100%", "V$ 0.00 Mn"), so
    // the lines can be read; written inside the graph's left edge.
    void SetScaleLabels(std::string top, std::string bottom);
    void Draw() override;
private:
    float mLow = -1.0f;
    float mHigh = 1.0f;
    std::vector<Series> mSeries;
    std::string mTopLabel;
    std::string mBottomLabel;
};
