#include "politics/VoterGroupLinks.h"

VoterGroupLinks& VoterGroupLinks::Get()
{
    static VoterGroupLinks links;
    return links;
}

uint32_t VoterGroupLinks::AddRow()
{
    uint32_t row = static_cast<uint32_t>(mRows++);
    for (Column& column : mColumns) {
        column.weight.push_back(0.0f);
        column.memberSlot.push_back(kNotMember);
        column.linked.push_back(0);
    }
    ++mLiveRows;
    return row;
}

void VoterGroupLinks::ReleaseRow(uint32_t row)
{
    if (row >= mRows || mLiveRows == 0)
        return;
    for (Column& column : mColumns) {
        column.linked[row] = 0;
        column.memberSlot[row] = kNotMember;
    }
    if (--mLiveRows > 0)
        return;
    // Nobody left: give the memory back for the next population.
    mRows = 0;
    mReserved = 0;
    for (Column& column : mColumns)
        column = Column();
}

void VoterGroupLinks::Reserve(size_t rows)
{
    mReserved = rows;
    for (Column& column : mColumns) {
        column.weight.reserve(rows);
        column.memberSlot.reserve(rows);
        column.linked.reserve(rows);
    }
}

void VoterGroupLinks::EnsureColumn(size_t group)
{
    while (mColumns.size() <= group) {
        Column column;
        column.weight.reserve(mReserved);
        column.memberSlot.reserve(mReserved);
        column.linked.reserve(mReserved);
        column.weight.assign(mRows, 0.0f);
        column.memberSlot.assign(mRows, kNotMember);
        column.linked.assign(mRows, 0);
        mColumns.push_back(std::move(column));
    }
}

void VoterGroupLinks::ClearColumn(size_t group)
{
    if (group >= mColumns.size())
        return;
    Column& column = mColumns[group];
    column.weight.assign(mRows, 0.0f);
    column.memberSlot.assign(mRows, kNotMember);
    column.linked.assign(mRows, 0);
}

void VoterGroupLinks::SetWeight(uint32_t row, size_t group, float weight)
{
    EnsureColumn(group);
    mColumns[group].weight[row] = weight;
    mColumns[group].linked[row] = 1;
}

void VoterGroupLinks::SetMemberSlot(uint32_t row, size_t group, uint32_t slot)
{
    EnsureColumn(group);
    mColumns[group].memberSlot[row] = slot;
}
