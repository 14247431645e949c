#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Every voter's ties to the voter groups, in flat arrays: one column per group
// index, one entry per voter (its row). A tie is a link weight (how strongly
// the group's mood reaches the voter) and, when the voter is a member, its
// place in the group's member list. A million voters would otherwise carry a
// million times as many link objects reached through pointers. Columns, not
// rows, are contiguous: a pass over the population reads each column in order,
// and setting up one group touches one column only.
class VoterGroupLinks {
public:
    static constexpr uint32_t kNotMember = UINT32_MAX;

    static VoterGroupLinks& Get();

    // A row of empty ties for a new voter; released when the voter goes. Rows
    // are not reused while any voter lives: the arrays start over when the
    // last one goes.
    uint32_t AddRow();
    void ReleaseRow(uint32_t row);
    // Room for a population of this size without growing mid-way.
    void Reserve(size_t rows);

    // Makes the column of that group index exist.
    void EnsureColumn(size_t group);
    // Every voter forgets the group at that index (the group is going).
    void ClearColumn(size_t group);
    size_t Columns() const { return mColumns.size(); }

    bool HasLink(uint32_t row, size_t group) const { return group < mColumns.size() && mColumns[group].linked[row]; }
    // 0 without a link.
    float Weight(uint32_t row, size_t group) const { return HasLink(row, group) ? mColumns[group].weight[row] : 0.0f; }
    // Makes the link when missing.
    void SetWeight(uint32_t row, size_t group, float weight);

    uint32_t MemberSlot(uint32_t row, size_t group) const
    {
        return group < mColumns.size() ? mColumns[group].memberSlot[row] : kNotMember;
    }
    bool IsMember(uint32_t row, size_t group) const { return MemberSlot(row, group) != kNotMember; }
    void SetMemberSlot(uint32_t row, size_t group, uint32_t slot);

    // One group's column, for walks over the population (indexed by row).
    const float* Weights(size_t group) const { return mColumns[group].weight.data(); }
    const uint8_t* Linked(size_t group) const { return mColumns[group].linked.data(); }
    const uint32_t* MemberSlots(size_t group) const { return mColumns[group].memberSlot.data(); }

    size_t LiveRows() const { return mLiveRows; }

private:
    struct Column {
        std::vector<float> weight;
        std::vector<uint32_t> memberSlot;
        std::vector<uint8_t> linked;
    };

    VoterGroupLinks() = default;

    size_t mRows = 0;
    size_t mLiveRows = 0;
    size_t mReserved = 0;
    std::vector<Column> mColumns;
};
