#pragma once

// A screen rectangle in whole pixels: left and top inside, right and bottom
// one past the last pixel.
struct GRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Right and bottom are outside.
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};
