#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Every voter's ties to the voter groups, in flat arrays: one row per voter,
// one column per group index. A tie is a link weight (how strongly the group's
// mood reaches the voter) and, when the voter is a member, its place in the
// group's member list. A million voters would otherwise carry a million times
// as many link objects reached through pointers.
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

    // Makes the column of that group index exist (widening every row).
    void EnsureColumn(size_t group);
    // Every voter forgets the group at that index (the group is going).
    void ClearColumn(size_t group);
    size_t Columns() const { return mColumns; }

    bool HasLink(uint32_t row, size_t group) const { return group < mColumns && mLinked[At(row, group)]; }
    // 0 without a link.
    float Weight(uint32_t row, size_t group) const { return HasLink(row, group) ? mWeight[At(row, group)] : 0.0f; }
    // Makes the link when missing.
    void SetWeight(uint32_t row, size_t group, float weight);

    uint32_t MemberSlot(uint32_t row, size_t group) const
    {
        return group < mColumns ? mMemberSlot[At(row, group)] : kNotMember;
    }
    bool IsMember(uint32_t row, size_t group) const { return MemberSlot(row, group) != kNotMember; }
    void SetMemberSlot(uint32_t row, size_t group, uint32_t slot);

    // One voter's row, for walks over every group (Columns() entries each).
    const float* WeightRow(uint32_t row) const { return mWeight.data() + At(row, 0); }
    const uint8_t* LinkedRow(uint32_t row) const { return mLinked.data() + At(row, 0); }
    const uint32_t* MemberSlotRow(uint32_t row) const { return mMemberSlot.data() + At(row, 0); }

    size_t LiveRows() const { return mLiveRows; }
    // Bytes held by the arrays (for the memory benchmark).
    size_t Bytes() const;

private:
    VoterGroupLinks() = default;
    size_t At(uint32_t row, size_t group) const { return static_cast<size_t>(row) * mColumns + group; }
    void Restride(size_t columns);

    size_t mColumns = 0;
    size_t mRows = 0;
    size_t mLiveRows = 0;
    std::vector<float> mWeight;
    std::vector<uint32_t> mMemberSlot;
    std::vector<uint8_t> mLinked;
};
