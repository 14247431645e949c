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
    void Draw() override;
private:
    float mLow = -1.0f;
    float mHigh = 1.0f;
    std::vector<Series> mSeries;
};
