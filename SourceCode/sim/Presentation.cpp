#include "sim/Presentation.h"

namespace {
Presentation gHeadless;
Presentation* gInstalled = &gHeadless;
}  // namespace

Presentation& Presentation::Current() { return *gInstalled; }

void Presentation::Install(Presentation* presentation) { gInstalled = presentation ? presentation : &gHeadless; }
