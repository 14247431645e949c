#include "gui/GUI_SectorLayout.h"

#include <cmath>

namespace {
constexpr float kDegreesToRadians = 0.01745329238474369f;
constexpr float kAngleStep = 6.0f;
constexpr float kFirstRadius = 100.0f;
constexpr float kRadiusStep = 32.0f;
constexpr float kNoNeighbour = 999.0f;
// Icons are 50 pixels across: their centres keep half of that plus a margin
// from the people strip, the top strip and the bottom edge.
constexpr float kStripMargin = 24.0f;
constexpr float kTopBar = 70.0f;
constexpr float kBottomBar = 32.0f;
}  // namespace

GUI_SectorLayout::GUI_SectorLayout(float screenWidth, float screenHeight) : mWidth(screenWidth), mHeight(screenHeight)
{
}

bool GUI_SectorLayout::Allowed(const Point& p) const
{
    if (p.x < 0.0f || p.x > mWidth || p.y < kTopBar || p.y > mHeight - kBottomBar)
        return false;
    const float left = mWidth / 2 - 190 - kStripMargin;
    const float right = mWidth / 2 + 190 + kStripMargin;
    const float top = mHeight / 2 - 130 - kStripMargin;
    const float bottom = mHeight / 2 + 170 + kStripMargin;
    return p.x < left || p.x > right || p.y < top || p.y > bottom;
}

GUI_SectorLayout::Point GUI_SectorLayout::Place(float start, float end, const std::vector<Point>& taken) const
{
    if (start > end)
        end += 360.0f;
    Point best;
    float bestScore = 0.0f;
    for (float a = start + kAngleStep; a < end - 3.0f; a += kAngleStep) {
        const float radians = std::fmod(a, 360.0f) * kDegreesToRadians;
        for (float r = kFirstRadius; r <= mWidth / 2; r += kRadiusStep) {
            const Point candidate{mWidth / 2 + std::sin(radians) * r, mHeight / 2 - std::cos(radians) * r};
            if (!Allowed(candidate))
                continue;
            float score = kNoNeighbour;
            for (const Point& other : taken)
                score = std::fmin(score, std::hypot(candidate.x - other.x, candidate.y - other.y));
            if (score > bestScore) {
                bestScore = score;
                best = candidate;
            }
        }
    }
    return best;
}
