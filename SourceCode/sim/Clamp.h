#pragma once
#include <cmath>

// The two ranges the model keeps its numbers in. Not-a-number becomes 0, which
// lies in both: a NaN let through a clamp spreads to every neuron it reaches
// within a turn or two. Infinities clamp like any large value.

// Neuron values: [-1, 1].
inline float ClampMinusOneToOne(float value)
{
    if (std::isnan(value))
        return 0.0f;
    return value < -1.0f ? -1.0f : (value > 1.0f ? 1.0f : value);
}

// Situations, sliders, implementation levels, sympathies, probabilities: [0, 1].
inline float ClampZeroToOne(float value)
{
    if (std::isnan(value))
        return 0.0f;
    return value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);
}
