#include "sim/SliderDefinition.h"

#include <cmath>

SliderDefinition::SliderDefinition(std::string name, int steps, std::vector<std::string> labels)
    : mName(std::move(name)), mSteps(steps < 2 ? 2 : steps), mLabels(std::move(labels))
{
}

const std::string& SliderDefinition::Label(int step) const
{
    static const std::string kNone;
    if (step < 0 || static_cast<size_t>(step) >= mLabels.size())
        return kNone;
    return mLabels[static_cast<size_t>(step)];
}

float SliderDefinition::StepValue(int step) const
{
    if (step <= 0)
        return 0.0f;
    if (step >= mSteps - 1)
        return 1.0f;
    return static_cast<float>(step) / static_cast<float>(mSteps - 1);
}

int SliderDefinition::NearestStep(float level) const
{
    if (!(level > 0.0f))
        return 0;
    if (level >= 1.0f)
        return mSteps - 1;
    return static_cast<int>(std::lround(level * static_cast<float>(mSteps - 1)));
}
