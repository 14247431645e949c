#include "gamedata/MissionPolicyHooks.h"

namespace {
MissionPolicyHooks gNoPolicies;
MissionPolicyHooks* gInstalled = &gNoPolicies;
}  // namespace

MissionPolicyHooks& MissionPolicyHooks::Current() { return *gInstalled; }

void MissionPolicyHooks::Install(MissionPolicyHooks* hooks) { gInstalled = hooks ? hooks : &gNoPolicies; }
