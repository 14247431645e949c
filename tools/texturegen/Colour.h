#pragma once
// A straight (not premultiplied) RGBA colour with components 0..1.
#include <algorithm>
#include <cstdint>

struct Colour {
    float r = 0, g = 0, b = 0, a = 0;

    static Colour Hex(uint32_t rgb, float alpha = 1.0f)
    {
        return {float((rgb >> 16) & 0xFF) / 255.0f, float((rgb >> 8) & 0xFF) / 255.0f, float(rgb & 0xFF) / 255.0f,
                alpha};
    }
    Colour WithAlpha(float alpha) const { return {r, g, b, alpha}; }
    Colour Mix(const Colour& o, float t) const
    {
        return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t, a + (o.a - a) * t};
    }
    Colour Lighter(float t) const { return Mix(Colour{1, 1, 1, a}, t); }
    Colour Darker(float t) const { return Mix(Colour{0, 0, 0, a}, t); }
};
