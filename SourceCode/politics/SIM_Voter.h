#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include <cstdint>

#include "politics/PartyID.h"

class SIM_PressureGroup;
class SIM_VoterType;
struct OpinionFactors;
struct VoterTuning;

// One simulated voter. Its value (0.5 plus what reaches it through the links
// from the groups it belongs to) is its view of the government; from it come
// its party sympathies, party membership, turnout and vote.
//
// A voter is not a neuron of the network: its links to the groups live in the
// flat arrays of VoterGroupLinks (one row per voter), and the voter manager
// recalculates the whole population in one pass at the end of the network's.
class SIM_Voter {
public:
    enum Vote { VOTE_PLAYER = 0, VOTE_OPPOSITION = 1, VOTE_ABSTAIN = 2 };
    static constexpr size_t kNoSlot = static_cast<size_t>(-1);
    static constexpr float kBaseValue = 0.5f;

    SIM_Voter();
    ~SIM_Voter();
    SIM_Voter(const SIM_Voter&) = delete;
    SIM_Voter& operator=(const SIM_Voter&) = delete;

    // --- the value, as a neuron would keep it
    float GetValue() const { return mValue; }
    void SetValue(float value) { mValue = value; }
    float GetBaseValue() const { return mBaseValue; }
    void SetBaseValue(float value) { mBaseValue = value; }
    // "Voter", as every voter is called in the network.
    const std::string& GetName() const;
    // Base value plus each member group's value times the link weight, in
    // group order, clamped to [-1, 1]. Only links from groups the voter
    // belongs to count.
    float Recalculate();
    // The same from values gathered once for a whole pass (by group index;
    // a group that does not count has counts[index] == 0).
    float Recalculate(const float* groupValues, const uint8_t* counts, size_t groups);

    bool IsMemberOf(const SIM_VoterType* group) const;
    bool IsMemberOfPressureGroup(const SIM_PressureGroup* group) const;
    // The multiplier of the link from that group; 0 without a link.
    float GetMembershipWeight(const SIM_VoterType* group) const;
    bool HasMembershipLink(const SIM_VoterType* group) const;
    // Makes the link when missing; membership is left as it is.
    void SetMembershipWeight(const SIM_VoterType* group, float weight);
    // The groups the voter belongs to, in the order of their indices.
    std::vector<SIM_VoterType*> VoterGroups() const;
    size_t GroupCount() const;

    // Value less cynicism (and the manifesto penalty near an election), in [0, 1].
    float OpinionOfGovernment() const;
    float OpinionOfGovernment(const OpinionFactors& factors) const;
    // The opinion, except that party members lean to their own party.
    float VotingPreference() const;
    float VotingPreference(const OpinionFactors& factors) const;
    bool SupportsGovernment() const;
    bool SupportsGovernment(const OpinionFactors& factors) const;
    float ComputeTurnoutChance();
    // Turns out or not, then votes by preference; the result is in LastVote.
    void DecideVote();

    // Party sympathies and joining or leaving a party. rate is 1 in a turn.
    void UpdateSympathies(int rate);
    void UpdateSympathies(int rate, const VoterTuning& tuning, const OpinionFactors& factors);
    // Memberships, pressure groups, sympathies and income group.
    void UpdateTurn();
    void UpdateTurn(const VoterTuning& tuning, const OpinionFactors& factors);
    // Moves the voter to the income group of its current income.
    void UpdateIncomeGroup();
    void UpdateIncomeGroup(const VoterTuning& tuning);

    // Sets the name indices (the display name follows from them).
    void SetPersonName(int foreID, int surID, int gender);
    // Forename, a space, surname, from the name pool (an index outside the
    // pool gives an empty part).
    std::string GetDisplayName() const;

    // --- pressure groups keep this list through these. Each entry holds the
    // voter's place in the group's member list, so that leaving is not a
    // search of a list that may hold a good part of the population.
    struct PressureMembership {
        SIM_PressureGroup* group;
        size_t slot;
    };
    void AddPressureGroup(SIM_PressureGroup* group, size_t slot);
    void RemovePressureGroup(SIM_PressureGroup* group);
    // kNoSlot when not a member.
    size_t PressureSlot(const SIM_PressureGroup* group) const;
    void SetPressureSlot(const SIM_PressureGroup* group, size_t slot);
    const std::vector<PressureMembership>& PressureGroups() const { return mPressureGroups; }

    // --- fields (saved games keep them under these names)
    int ForeID = 0;
    int SurID = 0;
    int Gender = 0;  // 0 male, 1 female
    float OppSymp = 0.0f;
    float PlaySymp = 0.0f;
    PartyID Party = PARTY_NONE;
    float VotTend = 0.0f;
    float Militancy = 0.0f;
    float TurnoutChance = 0.0f;
    int LastVote = VOTE_ABSTAIN;
    float Income = 0.0f;

    // --- the population: every live voter, in creation order
    static const std::vector<SIM_Voter*>& Population();
    static size_t PopulationCount();
    // Deletes every voter; the groups, parties and pressure groups are left
    // with no members.
    static void DeleteAll();

    // A party's member list keeps the voter's place here (a voter is in at most one party, so the party removes it without a search).
    size_t mPartySlot = kNoSlot;
    struct PartySlotOf {
        static size_t& Get(SIM_Voter* voter) { return voter->mPartySlot; }
    };
    size_t mPopulationSlot = kNoSlot;

    // The voter's row in VoterGroupLinks.
    uint32_t Row() const { return mRow; }

private:
    void JoinParty(PartyID party);
    void LeaveParty();

    float mValue = 0.0f;
    float mBaseValue = kBaseValue;
    uint32_t mRow;
    std::vector<PressureMembership> mPressureGroups;
};
