// The engine tests draw and play on SDL's invisible drivers, however they are
// started (from ctest or by hand). Values already set by the caller win.
#include <cstdlib>

namespace {
struct InvisibleDrivers {
    InvisibleDrivers()
    {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
    }
};
const InvisibleDrivers kInvisibleDrivers;
}  // namespace
