#include "politics/ProgressHooks.h"

namespace {
ProgressHooks gSilent;
ProgressHooks* gInstalled = &gSilent;
}  // namespace

ProgressHooks& ProgressHooks::Current() { return *gInstalled; }

void ProgressHooks::Install(ProgressHooks* hooks) { gInstalled = hooks ? hooks : &gSilent; }
