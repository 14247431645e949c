#pragma once

// A point in screen pixels.
struct GPoint {
    float x = 0.0f;
    float y = 0.0f;
};
