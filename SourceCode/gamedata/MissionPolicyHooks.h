#pragma once

class Neuron;

// What applying a mission needs from the policies. The policy code installs
// its own; until then mission settings for policies are left alone.
class MissionPolicyHooks {
public:
    virtual ~MissionPolicyHooks() = default;

    // Every policy flagged UNCANCELLABLE is introduced at once, at full strength.
    virtual void IntroduceUncancellablePolicies() {}
    // A mission setting for a policy (a neuron of the policy type): introduce it
    // when inactive, set its slider to the value, full implementation.
    virtual void ApplyPolicySetting(Neuron& /*policy*/, float /*value*/) {}

    static MissionPolicyHooks& Current();
    // nullptr brings back the do-nothing default. The hooks are not owned.
    static void Install(MissionPolicyHooks* hooks);
};
