#include "gui/GUI_PeopleStripSlots.h"

namespace {
constexpr int kColumns = 3;
constexpr int kColumnStep = 100;
constexpr int kRowStep = 32;
constexpr int kBaseRows = 7;
}  // namespace

void GUI_PeopleStripSlots::Layout(float screenWidth, float screenHeight)
{
    const int w = static_cast<int>(screenWidth);
    const int h = static_cast<int>(screenHeight);
    // Seven rows fit the strip's frame; more groups than 21 take further rows
    // below it, so that 25 groups never share a place.
    const int rows = (kSlots + kColumns - 1) / kColumns;
    mCount = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kColumns && mCount < kSlots; ++c) {
            const int extra = r >= kBaseRows ? 4 : 0;
            mSlots[mCount++] = Slot{w / 2 - 150 + kColumnStep * c, h / 2 - 110 + kRowStep * r + extra, false};
        }
    mUsed = 0;
}

bool GUI_PeopleStripSlots::Take(int& x, int& y)
{
    for (int i = 0; i < mCount; ++i)
        if (!mSlots[i].taken) {
            mSlots[i].taken = true;
            x = mSlots[i].x;
            y = mSlots[i].y;
            ++mUsed;
            return true;
        }
    return false;
}

void GUI_PeopleStripSlots::FreeAll()
{
    for (Slot& slot : mSlots)
        slot.taken = false;
    mUsed = 0;
}
