#pragma once

class SIM_Voter;
class SIM_VoterType;

// What the voter rules need from the pressure groups. The pressure-group code
// installs its own; until then there are none.
class PressureGroupHooks {
public:
    virtual ~PressureGroupHooks() = default;

    // Step 2 of a voter's turn: every pressure group, in order, lets the voter
    // join or leave. opinion is the voter's opinion of the government.
    virtual void UpdateVoter(SIM_Voter&, float /*opinion*/) {}
    // The voter is being deleted: drop it from every member list it is in.
    virtual void ForgetVoter(SIM_Voter&) {}
    // Part of a voter group's turn: grudges against policies that hurt it badly.
    virtual void CheckGrudges(SIM_VoterType&) {}

    static PressureGroupHooks& Current();
    // nullptr brings back the neutral defaults. The hooks are not owned.
    static void Install(PressureGroupHooks* hooks);
};
