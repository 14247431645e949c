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
    static constexpr uint32_t kNotMember = 0x7fffffffu;

    // One voter's tie to one group: 8 bytes, so that setting up a group, which
    // visits its voters in random order, touches one cache line per voter.
    struct Tie {
        static constexpr uint32_t kLinked = 0x80000000u;
        float weight = 0.0f;
        uint32_t slotAndLink = kNotMember;  // member slot; top bit: linked

        bool Linked() const { return (slotAndLink & kLinked) != 0; }
        uint32_t Slot() const { return slotAndLink & ~kLinked; }
        bool Member() const { return Slot() != kNotMember; }
        // A link and a membership both count.
        bool Counts() const { return Linked() && Member(); }
    };

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

    bool HasLink(uint32_t row, size_t group) const { return group < mColumns.size() && mColumns[group][row].Linked(); }
    // 0 without a link.
    float Weight(uint32_t row, size_t group) const { return HasLink(row, group) ? mColumns[group][row].weight : 0.0f; }
    // Makes the link when missing.
    void SetWeight(uint32_t row, size_t group, float weight);

    uint32_t MemberSlot(uint32_t row, size_t group) const
    {
        return group < mColumns.size() ? mColumns[group][row].Slot() : kNotMember;
    }
    bool IsMember(uint32_t row, size_t group) const { return MemberSlot(row, group) != kNotMember; }
    // kNotMember: not a member. Slots stay below kNotMember.
    void SetMemberSlot(uint32_t row, size_t group, uint32_t slot);
    // Replaces the tie whole.
    void SetTie(uint32_t row, size_t group, Tie tie);

    // One group's column, for walks over the population (indexed by row).
    const Tie* Column(size_t group) const { return mColumns[group].data(); }

    size_t LiveRows() const { return mLiveRows; }

private:
    VoterGroupLinks() = default;

    size_t mRows = 0;
    size_t mLiveRows = 0;
    size_t mReserved = 0;
    std::vector<std::vector<Tie>> mColumns;
};
