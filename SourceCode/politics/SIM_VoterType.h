#pragma once
#include <climits>
#include <cstdint>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "sim/Neuron.h"

class SIM_Voter;
struct VoterTuning;

// A voter group: the poor, the wealthy, motorists... and "_All_", which holds
// everybody. Its value is the group's happiness with the government; every
// voter of the population has one membership link from every group (kept in
// VoterGroupLinks, not as effects of the network).
class SIM_VoterType : public Neuron {
public:
    static constexpr unsigned kNoCount = UINT_MAX;
    enum TrendCode { TREND_DECREASING = 0, TREND_UNCHANGED = 1, TREND_INCREASING = 2 };
    static constexpr const char* kAllGroupName = "_All_";

    SIM_VoterType();
    ~SIM_VoterType() override;

    float Recalculate() override;

    // Names the group and its two embedded neurons ("<name>_freq", "<name>_perc").
    void SetNames(const std::string& name, const std::string& guiName);

    std::string Description;
    std::string IconImage;
    std::string EncyclopediaPage;
    // Left alone by the per-turn membership test (income groups, "_All_").
    bool ExemptFromMembershipTest = false;
    // (group name, strength): how strongly members of this group tend to join that one.
    std::vector<std::pair<std::string, float>> Affinities;

    // The first affinity naming that group; 0 when none, and 0 for the group itself.
    float AffinityFor(const SIM_VoterType* group) const;

    // Shifts every voter's membership test for this group (fed by the data).
    Neuron& FrequencyNeuron() { return mFrequency; }
    // Carries the current membership share into the network; its base value
    // is the initial share until the first turn.
    Neuron& ShareNeuron() { return mShare; }
    void SetInitialShare(float share);

    // Adds or removes the voter both here and in the voter's own list.
    void AddMember(SIM_Voter* voter);
    void RemoveMember(SIM_Voter* voter);
    bool HasMember(const SIM_Voter* voter) const;
    // Empties the member list without touching the voters (they are being
    // deleted without their links).
    void ForgetAllMembers();
    // Links the voter to the group with this weight (making the link when
    // missing); the voter is a member when the weight is above the threshold.
    void SetMembership(SIM_Voter* voter, float weight);
    void SetMembership(SIM_Voter* voter, float weight, float threshold);
    // A new voter's tie as a save has it: a link of that weight (when
    // linked) and a membership, whatever the weight. One write to the tie.
    void RestoreTie(SIM_Voter* voter, bool linked, float weight, bool member);
    // Makes the initial share of the population members, steered by the
    // affinities of the groups they already belong to.
    void AddMembershipLinks();
    // The same with the voters' rows in VoterGroupLinks, in population order.
    void AddMembershipLinks(const std::vector<uint32_t>& rows);

    unsigned MemberCount() const { return mMemberCount; }
    // The members in joining order.
    const std::vector<SIM_Voter*>& Members() const;
    // MemberCount over the population size (0 without a population).
    float MembershipShare() const;
    // (value + 1) / 2 within [0, 1].
    float Happiness01() const;
    // None when the group is empty.
    SIM_Voter* RandomMember() const;

    // The group's turn: share neuron, grudges, trend.
    void UpdateTurn();
    // Renews or creates a grudge for each policy that hurts the group badly.
    void CheckPolicyGrudges();
    // How the members voted at the last election.
    void Poll();

    unsigned LastCount = kNoCount;
    int Trend = TREND_UNCHANGED;
    int Change = 0;
    float PollShareForPlayer = 0.0f;
    float PollTurnout = 0.0f;

    // A small number unique among the live groups; voters keep their links
    // to the groups in arrays indexed by it.
    size_t Index() const { return mIndex; }
    // The live group with that index, or none.
    static SIM_VoterType* AtIndex(size_t index);

private:
    friend class SIM_Voter;

    // The embedded frequency neuron has its own type code.
    class FrequencyNeuronType : public Neuron {
    public:
        FrequencyNeuronType();
    };

    // Called by a voter that is being deleted.
    void DropMemberSlot(size_t slot);
    // SetMembership for a voter whose row is known (no visit to the voter).
    void SetMembershipAt(SIM_Voter* voter, uint32_t row, float weight, float threshold);
    void CompactMembers() const;

    size_t mIndex;
    FrequencyNeuronType mFrequency;
    Neuron mShare;

    // Member list with holes: a removal clears the slot at once (the voter
    // knows its slot) and the holes are squeezed out at the next read.
    mutable std::vector<SIM_Voter*> mMembers;
    mutable size_t mHoles = 0;
    unsigned mMemberCount = 0;
};
