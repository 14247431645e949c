#pragma once
// A second-order filter (the usual cookbook forms), one channel.
#include <cmath>

class Biquad {
public:
    static Biquad BandPass(float sampleRate, float centre, float q)
    {
        float w = 2.0f * 3.14159265f * centre / sampleRate, alpha = std::sin(w) / (2.0f * q), c = std::cos(w);
        return Biquad(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
    }
    static Biquad LowPass(float sampleRate, float cutoff, float q = 0.707f)
    {
        float w = 2.0f * 3.14159265f * cutoff / sampleRate, alpha = std::sin(w) / (2.0f * q), c = std::cos(w);
        return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    }
    static Biquad HighPass(float sampleRate, float cutoff, float q = 0.707f)
    {
        float w = 2.0f * 3.14159265f * cutoff / sampleRate, alpha = std::sin(w) / (2.0f * q), c = std::cos(w);
        return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    }

    float Process(float x)
    {
        float y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    Biquad(float b0, float b1, float b2, float a0, float a1, float a2)
        : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}
    float b0_, b1_, b2_, a1_, a2_;
    float x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};
