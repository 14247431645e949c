#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "engine/Diagnostics.h"
#include "engine/ErrorBoxes.h"
#include "platform/sdl/SdlMessageBox.h"

namespace {

TEST(ErrorBoxes, NeverShownWithoutADesktopAndTheGameStillEnds)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(
        {
            SDL_InitSubSystem(SDL_INIT_VIDEO);  // the offscreen driver of the tests
            if (SdlMessageBox::CanShow())
                std::exit(20);
            if (SdlMessageBox::Show("ERROR", "nobody sees this", SdlMessageBox::Icon::Error))
                std::exit(21);
            ErrorBoxes::Install();
            FATAL_ERROR("missing comma");
        },
        ::testing::ExitedWithCode(Diagnostics::kFatalExitCode), "ERROR: missing comma:TestErrorBoxes [0-9]+");
}

}  // namespace
