#pragma once
#include <string>
#include <vector>

#include "politics/SIM_Voter.h"
#include "sim/Neuron.h"
#include "sim/SlotList.h"

// One of the two parties: the player's and the opposition. Voters join and
// leave by their sympathies; the membership sets how strongly the party brings
// out its voters (TurnoutPull) and, through the party's neuron, the party's
// share of the population for the network. The player's party's neuron is
// named "PlayersParty"; the opposition's has no name.
class SIM_Party {
public:
    enum Status { STATUS_INCREASING = 0, STATUS_DECREASING = 1, STATUS_UNCHANGED = 2 };
    static constexpr const char* kPlayersPartyNeuron = "PlayersParty";

    explicit SIM_Party(bool playersParty);
    virtual ~SIM_Party();
    SIM_Party(const SIM_Party&) = delete;
    SIM_Party& operator=(const SIM_Party&) = delete;

    const std::string& Name() const { return mName; }
    void SetName(const std::string& name) { mName = name; }
    bool IsPlayersParty() const { return mPlayersParty; }

    // A voter is in a party's list at most once: adding a member twice keeps
    // one entry, and removing takes it out wherever it stands, without a search.
    void AddMember(SIM_Voter* voter);
    void RemoveMember(SIM_Voter* voter);
    bool HasMember(const SIM_Voter* voter) const;
    // Empties the list without touching the voters (they have been deleted).
    void ForgetMembers();
    const std::vector<SIM_Voter*>& Members() const { return mMembers.Items(); }
    unsigned MemberCount() const { return static_cast<unsigned>(mMembers.Size()); }

    float TurnoutPull() const { return mTurnoutPull; }
    void SetTurnoutPull(float pull) { mTurnoutPull = pull; }
    int GetStatus() const { return mStatus; }
    void SetStatus(int status) { mStatus = status; }
    unsigned LastCount() const { return mLastCount; }
    void SetLastCount(unsigned count) { mLastCount = count; }
    Neuron& GetNeuron() { return mNeuron; }

    // The party's turn, given the number of voters in the population: pull =
    // members / (voters / 5) and share = members / voters, both 0 when there
    // are no voters; the trend against the last count.
    void UpdateTurn(size_t voterCount);

    // --- the two parties
    // Deletes both parties, reloads the names, creates the player's party, then the opposition.
    static void CreateParties();
    // An empty name, or an opposition name equal to the player's, takes a random one.
    static void NameParties(const std::string& playerName, const std::string& oppositionName);
    static void DeleteParties();
    // Both parties, the player's first; empty when none exist.
    static const std::vector<SIM_Party*>& AllParties();
    // Asking before the parties exist is reported and gives null.
    static SIM_Party* GetPlayersParty();
    static SIM_Party* GetOppositionParty();
    static std::string RandomPartyName();
    // Every party's turn, in list order.
    static void UpdateParties(size_t voterCount);
    // The same with the population's size.
    static void UpdateParties();
    // The party of a party number (PARTY_PLAYER, PARTY_OPPOSITION), as voters and saves hold it; null otherwise.
    static SIM_Party* FromID(PartyID id);

private:
    std::string mName;
    bool mPlayersParty;
    SlotList<SIM_Voter, SIM_Voter::PartySlotOf> mMembers;
    float mTurnoutPull = 0.5f;
    Neuron mNeuron;
    int mStatus = STATUS_UNCHANGED;
    unsigned mLastCount = 0;
};
