#include "gui/GUI_SliderConfig.h"

#include <algorithm>
#include <cmath>

#include "engine/Diagnostics.h"

float GUI_SliderConfig::Snap(int positions, float value)
{
    AssertCheck(value >= 0.0f && value <= 1.0f, "GUI_SliderConfig", __LINE__);
    if (positions < 2)
        return value;
    const float step = 1.0f / static_cast<float>(positions - 1);
    const float k = std::floor(value / step);
    float result = k * step;
    if ((value - result) / step >= 0.5f)
        result = (k + 1.0f) * step;
    return std::clamp(result, 0.0f, 1.0f);
}

float GUI_SliderConfig::Nudge(int positions, float value, int direction)
{
    if (positions < 2 || direction == 0)
        return value;
    const int last = positions - 1;
    const int notch = static_cast<int>(std::lround(std::clamp(value, 0.0f, 1.0f) * static_cast<float>(last)));
    const int next = std::clamp(notch + (direction < 0 ? -1 : 1), 0, last);
    return static_cast<float>(next) / static_cast<float>(last);
}

float GUI_SliderConfig::NotchSpacing(int positions, float trackWidth)
{
    if (positions < 2)
        return 0.0f;
    return (trackWidth - 4.0f) / static_cast<float>(positions - 1);
}
