#include "sim/TurnScreens.h"

#include "engine/ProgressFrameDrawer.h"
#include "politics/ElectionCount.h"
#include "politics/ElectionManager.h"

namespace {
TurnScreens gHeadless;
TurnScreens* gInstalled = &gHeadless;
}  // namespace

TurnScreens& TurnScreens::Current() { return *gInstalled; }

TurnScreens* TurnScreens::Install(TurnScreens* screens)
{
    TurnScreens* previous = gInstalled == &gHeadless ? nullptr : gInstalled;
    gInstalled = screens ? screens : &gHeadless;
    return previous;
}

void TurnScreens::DrawFrame() { ProgressFrameDrawer::DrawFrame(); }

void TurnScreens::OpenElectionResults()
{
    ElectionCount count;
    count.CountAll();
    ElectionManager::Get().ConcludeElection(count);
}
