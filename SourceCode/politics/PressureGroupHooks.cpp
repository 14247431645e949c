#include "politics/PressureGroupHooks.h"

namespace {
PressureGroupHooks gNoPressureGroups;
PressureGroupHooks* gInstalled = &gNoPressureGroups;
}  // namespace

PressureGroupHooks& PressureGroupHooks::Current() { return *gInstalled; }

void PressureGroupHooks::Install(PressureGroupHooks* hooks) { gInstalled = hooks ? hooks : &gNoPressureGroups; }
