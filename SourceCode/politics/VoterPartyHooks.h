#pragma once

class SIM_Voter;

// The party a voter belongs to, as saved (PartID).
enum PartyID : int {
    PARTY_NONE = 0,
    PARTY_PLAYER = 1,
    PARTY_OPPOSITION = 2,
};

// The two parties as the voters see them: member lists and turnout pull.
// The party code installs its own; until then there is no party, so nobody
// joins one and no party pulls anyone to the polls.
//
// A voter is in at most one party, so a party's member list can keep the
// voter's place in SIM_Voter::mPartySlot (SlotList<SIM_Voter, SIM_Voter::PartySlotOf>)
// and remove it without a search.
class VoterPartyHooks {
public:
    virtual ~VoterPartyHooks() = default;

    // A voter only joins a party that exists.
    virtual bool HasParty(PartyID) const { return false; }
    virtual void AddMember(PartyID, SIM_Voter*) {}
    virtual void RemoveMember(PartyID, SIM_Voter*) {}
    // 0..1: how strongly the party brings out the voters who lean to it.
    virtual float TurnoutPull(PartyID) const { return 0.0f; }

    static VoterPartyHooks& Current();
    // nullptr brings back the neutral defaults. The hooks are not owned.
    static void Install(VoterPartyHooks* hooks);
};
