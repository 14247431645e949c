// The game's entry point: start-up, the message loop, and the exit code of
// the quit message.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include <unistd.h>

#include "engine/AutoplayScript.h"
#include "engine/ErrorBoxes.h"
#include "engine/Game.h"
#include "engine/RandomSeed.h"
#include "platform/GameFolder.h"
#include "platform/sdl/SdlMessageBox.h"

int main(int argc, char** argv)
{
    // The options are for automated runs ("--autoplay FILE", with
    // "--screenshot-dir DIR" for the files it writes) and for replaying a
    // game ("--seed N"); the game itself is configured by its data files alone.
    std::string scriptPath;
    std::string screenshotDir;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        uint32_t seed = 0;
        if ((option == "--autoplay" || option == "--screenshot-dir") && i + 1 < argc) {
            (option == "--autoplay" ? scriptPath : screenshotDir) = argv[++i];
        } else if (option == "--seed" && i + 1 < argc && RandomSeed::Parse(argv[i + 1], &seed)) {
            RandomSeed::Fix(seed);
            ++i;
        } else {
            std::fprintf(stderr, "usage: rulecraft [--autoplay FILE] [--screenshot-dir DIR] [--seed N]\n");
            return 2;
        }
    }
    std::unique_ptr<AutoplayScript> autoplay;
    if (!scriptPath.empty()) {
        autoplay = std::make_unique<AutoplayScript>();
        std::string error;
        if (!autoplay->Load(scriptPath, &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 2;
        }
        autoplay->SetOutputFolder(screenshotDir);
    }
    // The data lies beside the program or where it was installed; a program
    // built in a development tree uses the current folder's.
    const std::string gameFolder = GameFolder::ForProgram(GameFolder::ProgramPath());
    if (!gameFolder.empty() && chdir(gameFolder.c_str()) != 0)
        std::fprintf(stderr, "cannot enter the game folder %s\n", gameFolder.c_str());
    // Nobody would be there to close a box during an automated run.
    SdlMessageBox::SetEnabled(!autoplay);
    if (!autoplay)
        ErrorBoxes::Install();

    Game& game = GetGame();
    if (autoplay)
        autoplay->Attach(game);
    int exitCode = 0;
    if (game.Start())
        exitCode = game.RunMessageLoop();
    game.TearDown();
    return exitCode;
}
