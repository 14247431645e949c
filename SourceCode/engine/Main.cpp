// The game's entry point: start-up, the message loop, and the exit code of
// the quit message.
#include <cstdio>
#include <memory>
#include <string>

#include <unistd.h>

#include "engine/AutoplayScript.h"
#include "engine/ErrorBoxes.h"
#include "engine/Game.h"
#include "platform/GameFolder.h"
#include "platform/sdl/SdlMessageBox.h"
#include "platform/sdl/SdlSystem.h"
#include "platform/sdl/SdlVideo.h"
#include "sound/GUI_Sounds.h"

int main(int argc, char** argv)
{
    // The one option is for automated runs only ("--autoplay FILE"); the game
    // itself is configured by its data files alone.
    std::unique_ptr<AutoplayScript> autoplay;
    if (argc == 3 && std::string(argv[1]) == "--autoplay") {
        autoplay = std::make_unique<AutoplayScript>();
        std::string error;
        if (!autoplay->Load(argv[2], &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 2;
        }
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
    if (!game.Start())
        return 0;
    int exitCode = game.RunMessageLoop();

    GetSounds().Release();
    GetSdlVideo().DestroyMainWindow();
    SdlSystem::Quit();
    return exitCode;
}
