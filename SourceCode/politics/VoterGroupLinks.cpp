#include "politics/VoterGroupLinks.h"

VoterGroupLinks& VoterGroupLinks::Get()
{
    static VoterGroupLinks links;
    return links;
}

uint32_t VoterGroupLinks::AddRow()
{
    uint32_t row = static_cast<uint32_t>(mRows++);
    for (std::vector<Tie>& column : mColumns)
        column.emplace_back();
    ++mLiveRows;
    return row;
}

void VoterGroupLinks::ReleaseRow(uint32_t row)
{
    if (row >= mRows || mLiveRows == 0)
        return;
    for (std::vector<Tie>& column : mColumns)
        column[row] = Tie();
    if (--mLiveRows > 0)
        return;
    // Nobody left: the arrays start over, keeping their memory for the next
    // population (a loaded or new game follows), as fresh memory of this
    // size costs more to touch than to keep.
    mRows = 0;
    for (std::vector<Tie>& column : mColumns)
        column.clear();
}

void VoterGroupLinks::Reserve(size_t rows)
{
    mReserved = rows;
    for (std::vector<Tie>& column : mColumns)
        column.reserve(rows);
}

void VoterGroupLinks::EnsureColumn(size_t group)
{
    while (mColumns.size() <= group) {
        std::vector<Tie> column;
        column.reserve(mReserved);
        column.resize(mRows);
        mColumns.push_back(std::move(column));
    }
}

void VoterGroupLinks::ClearColumn(size_t group)
{
    if (group < mColumns.size())
        mColumns[group].assign(mRows, Tie());
}

void VoterGroupLinks::SetWeight(uint32_t row, size_t group, float weight)
{
    EnsureColumn(group);
    Tie& tie = mColumns[group][row];
    tie.weight = weight;
    tie.slotAndLink |= Tie::kLinked;
}

void VoterGroupLinks::SetMemberSlot(uint32_t row, size_t group, uint32_t slot)
{
    EnsureColumn(group);
    Tie& tie = mColumns[group][row];
    tie.slotAndLink = (tie.slotAndLink & Tie::kLinked) | (slot & ~Tie::kLinked);
}

void VoterGroupLinks::SetTie(uint32_t row, size_t group, Tie tie)
{
    EnsureColumn(group);
    mColumns[group][row] = tie;
}
