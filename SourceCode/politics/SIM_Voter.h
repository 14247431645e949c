#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "politics/PartyID.h"
#include "sim/Neuron.h"

class NeuralEffect;
class SIM_PressureGroup;
class SIM_VoterType;
struct OpinionFactors;
struct VoterTuning;

// One simulated voter. Its value (0.5 plus what reaches it through the links
// from the groups it belongs to) is its view of the government; from it come
// its party sympathies, party membership, turnout and vote.
class SIM_Voter : public Neuron {
public:
    enum Vote { VOTE_PLAYER = 0, VOTE_OPPOSITION = 1, VOTE_ABSTAIN = 2 };
    static constexpr size_t kNoSlot = static_cast<size_t>(-1);

    SIM_Voter();
    ~SIM_Voter() override;

    // Only links from the groups the voter belongs to count (and anything
    // that is not a voter group).
    bool AcceptsEffect(const NeuralEffect* effect) const override;

    bool IsMemberOf(const SIM_VoterType* group) const;
    bool IsMemberOfPressureGroup(const SIM_PressureGroup* group) const;
    // The multiplier of the link from that group; 0 without a link.
    float GetMembershipWeight(const SIM_VoterType* group) const;
    // The link from that group, or none.
    NeuralEffect* GetMembershipLink(const SIM_VoterType* group) const;
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

    // Sets the name indices and the display name: forename, a space, surname
    // (from the name pool; an index outside the pool gives an empty part).
    void SetPersonName(int foreID, int surID, int gender);

    // --- pressure groups keep this list through these
    void AddPressureGroup(SIM_PressureGroup* group);
    void RemovePressureGroup(SIM_PressureGroup* group);
    const std::vector<SIM_PressureGroup*>& PressureGroups() const { return mPressureGroups; }

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

    // A party's member list keeps the voter's place here (a voter is in at most one party, so the party removes it without a search).
    size_t mPartySlot = kNoSlot;
    struct PartySlotOf {
        static size_t& Get(SIM_Voter* voter) { return voter->mPartySlot; }
    };
    size_t mPopulationSlot = kNoSlot;

private:
    friend class SIM_VoterType;

    // The voter's tie to one group, kept at the group's index.
    struct GroupLink {
        SIM_VoterType* group = nullptr;
        NeuralEffect* link = nullptr;
        size_t memberSlot = kNoSlot;  // place in the group's member list; kNoSlot: not a member
    };
    GroupLink& LinkAt(size_t index);
    const GroupLink* FindLink(const SIM_VoterType* group) const;
    void JoinParty(PartyID party);
    void LeaveParty();

    std::vector<GroupLink> mGroups;
    std::vector<SIM_PressureGroup*> mPressureGroups;
};
