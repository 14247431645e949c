#pragma once
#include <string>

struct SavedGame;

// Replaces the running game with a saved one: the network is built afresh
// from the data files and the saved mission, every saved item is found by
// name (repeated names in order) and given its saved state. Throws SaveError
// when the file names something the data does not have; the game is then
// half built and the caller must rebuild or release it.
class SaveGameRestorer {
public:
    static void Apply(const SavedGame& game);
    // The mission file named in the save, or one of that file name in the
    // game's or the player's mission folder; "" when there is none.
    static std::string FindMission(const std::string& savedPath);
};
