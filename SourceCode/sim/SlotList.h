#pragma once
#include <cstddef>
#include <vector>

// An ordered list of pointers with O(1) removal. Each element remembers its
// slot in an index that SlotOf::Get(item) returns (one per list it can be in); removal leaves a
// hole, and the holes are squeezed out the next time the list is read.
// Population-sized networks (tens of thousands of voters and their links)
// would otherwise pay a scan of the whole list for every removal.
//
// Removing during a walk over Items() is safe: the walk sees a null slot.
// Nothing is squeezed out until Items() or Compact() is called again.
template <typename T, typename SlotOf>
class SlotList {
public:
    static constexpr size_t kNoSlot = static_cast<size_t>(-1);

    void Add(T* item)
    {
        SlotOf::Get(item) = mItems.size();
        mItems.push_back(item);
    }

    void Remove(T* item)
    {
        size_t slot = SlotOf::Get(item);
        if (slot < mItems.size() && mItems[slot] == item) {
            mItems[slot] = nullptr;
            ++mHoles;
        }
        SlotOf::Get(item) = kNoSlot;
    }

    // The live elements in order, without holes.
    const std::vector<T*>& Items() const
    {
        Compact();
        return mItems;
    }

    // The raw slots, holes included: for walks that may delete as they go.
    const std::vector<T*>& Slots() const { return mItems; }

    size_t Size() const { return mItems.size() - mHoles; }
    bool Empty() const { return Size() == 0; }

    void Compact() const
    {
        if (mHoles == 0)
            return;
        size_t out = 0;
        for (T* item : mItems) {
            if (!item)
                continue;
            SlotOf::Get(item) = out;
            mItems[out++] = item;
        }
        mItems.resize(out);
        mHoles = 0;
    }

    // Replaces the whole order (the elements must be the same set).
    void Reorder(std::vector<T*> items)
    {
        mItems = std::move(items);
        mHoles = 0;
        for (size_t i = 0; i < mItems.size(); ++i)
            SlotOf::Get(mItems[i]) = i;
    }

    void Clear()
    {
        mItems.clear();
        mHoles = 0;
    }

private:
    mutable std::vector<T*> mItems;
    mutable size_t mHoles = 0;
};
