#pragma once
#include <array>

// The places of the voter-group icons in the middle of the main screen: a
// grid of 3 columns, as many rows as the screen allows (7 at 768 pixels),
// up to 25 groups. Each icon is 100 x 31 and no two overlap.
class GUI_PeopleStripSlots {
public:
    static constexpr int kSlots = 25;
    static constexpr int kIconWidth = 100;
    static constexpr int kIconHeight = 31;

    struct Slot {
        int x = 0;
        int y = 0;
        bool taken = false;
    };

    // Lays the grid out for the screen and frees every slot.
    void Layout(float screenWidth, float screenHeight);
    // The top-left corner of the first free slot, now taken; false when none is left.
    bool Take(int& x, int& y);
    void FreeAll();
    const std::array<Slot, kSlots>& Slots() const { return mSlots; }
    int Used() const { return mUsed; }

private:
    std::array<Slot, kSlots> mSlots{};
    int mUsed = 0;
    int mCount = 0;
};
