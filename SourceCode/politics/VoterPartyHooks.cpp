#include "politics/VoterPartyHooks.h"

namespace {
VoterPartyHooks gNoParties;
VoterPartyHooks* gInstalled = &gNoParties;
}  // namespace

VoterPartyHooks& VoterPartyHooks::Current() { return *gInstalled; }

void VoterPartyHooks::Install(VoterPartyHooks* hooks) { gInstalled = hooks ? hooks : &gNoParties; }
