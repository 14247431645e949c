#include "sim/TurnSteps.h"

namespace {
TurnSteps gNothing;
TurnSteps* gInstalled = &gNothing;
}  // namespace

TurnSteps& TurnSteps::Current() { return *gInstalled; }

TurnSteps* TurnSteps::Install(TurnSteps* steps)
{
    TurnSteps* previous = gInstalled == &gNothing ? nullptr : gInstalled;
    gInstalled = steps ? steps : &gNothing;
    return previous;
}
