#pragma once
#include <vector>

// Where the icons of one policy area go on the ring around the people strip:
// each new icon takes the free spot of its sector farthest from every icon
// already placed, outside the central strip and the top and bottom bars.
class GUI_SectorLayout {
public:
    struct Point {
        float x = 0.0f;
        float y = 0.0f;
    };

    GUI_SectorLayout(float screenWidth, float screenHeight);

    // Degrees, 0 up, clockwise; an end below the start crosses 0.
    // (0, 0) when the sector holds no valid spot.
    Point Place(float startDegrees, float endDegrees, const std::vector<Point>& taken) const;
    // True when a centre may hold an icon.
    bool Allowed(const Point& p) const;

private:
    float mWidth;
    float mHeight;
};
