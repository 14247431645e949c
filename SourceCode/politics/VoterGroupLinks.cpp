#include "politics/VoterGroupLinks.h"

VoterGroupLinks& VoterGroupLinks::Get()
{
    static VoterGroupLinks links;
    return links;
}

uint32_t VoterGroupLinks::AddRow()
{
    uint32_t row = static_cast<uint32_t>(mRows++);
    mWeight.resize(mRows * mColumns, 0.0f);
    mMemberSlot.resize(mRows * mColumns, kNotMember);
    mLinked.resize(mRows * mColumns, 0);
    ++mLiveRows;
    return row;
}

void VoterGroupLinks::ReleaseRow(uint32_t row)
{
    if (row >= mRows || mLiveRows == 0)
        return;
    for (size_t group = 0; group < mColumns; ++group) {
        mLinked[At(row, group)] = 0;
        mMemberSlot[At(row, group)] = kNotMember;
    }
    if (--mLiveRows > 0)
        return;
    // Nobody left: give the memory back for the next population.
    mRows = 0;
    std::vector<float>().swap(mWeight);
    std::vector<uint32_t>().swap(mMemberSlot);
    std::vector<uint8_t>().swap(mLinked);
}

void VoterGroupLinks::Reserve(size_t rows)
{
    mWeight.reserve(rows * mColumns);
    mMemberSlot.reserve(rows * mColumns);
    mLinked.reserve(rows * mColumns);
}

void VoterGroupLinks::EnsureColumn(size_t group)
{
    if (group >= mColumns)
        Restride(group + 1);
}

void VoterGroupLinks::Restride(size_t columns)
{
    std::vector<float> weight(mRows * columns, 0.0f);
    std::vector<uint32_t> slots(mRows * columns, kNotMember);
    std::vector<uint8_t> linked(mRows * columns, 0);
    for (size_t row = 0; row < mRows; ++row) {
        for (size_t group = 0; group < mColumns; ++group) {
            size_t from = row * mColumns + group;
            size_t to = row * columns + group;
            weight[to] = mWeight[from];
            slots[to] = mMemberSlot[from];
            linked[to] = mLinked[from];
        }
    }
    mWeight.swap(weight);
    mMemberSlot.swap(slots);
    mLinked.swap(linked);
    mColumns = columns;
}

void VoterGroupLinks::ClearColumn(size_t group)
{
    if (group >= mColumns)
        return;
    for (size_t row = 0; row < mRows; ++row) {
        mWeight[At(static_cast<uint32_t>(row), group)] = 0.0f;
        mLinked[At(static_cast<uint32_t>(row), group)] = 0;
        mMemberSlot[At(static_cast<uint32_t>(row), group)] = kNotMember;
    }
}

void VoterGroupLinks::SetWeight(uint32_t row, size_t group, float weight)
{
    EnsureColumn(group);
    mWeight[At(row, group)] = weight;
    mLinked[At(row, group)] = 1;
}

void VoterGroupLinks::SetMemberSlot(uint32_t row, size_t group, uint32_t slot)
{
    EnsureColumn(group);
    mMemberSlot[At(row, group)] = slot;
}

size_t VoterGroupLinks::Bytes() const
{
    return mWeight.capacity() * sizeof(float) + mMemberSlot.capacity() * sizeof(uint32_t) + mLinked.capacity();
}
