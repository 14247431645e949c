#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a save, load or delete came to: ok, or the message for the player.
struct SaveResult {
    bool ok = false;
    std::string message;
};

// One save file in the save-game folder.
struct SaveListing {
    std::string name;        // the file name without ".xml"
    int64_t modified = 0;    // seconds since 1970, the file's last write
    bool readable = false;   // false: it cannot be opened or is no save file
};

// The save games of the player: saving the running game by name, listing,
// deleting and loading. Nothing here is fatal: a failure is a message, the
// running game goes on, and a failed save keeps the save it would replace.
class SaveGames {
public:
    static constexpr const char* kAutosaveName = "autosave";
    static constexpr const char* kSavingText = "Saving Game";

    // The game is written in memory, then to a temporary file in the folder
    // that is synced and renamed over the old save.
    static SaveResult Save(const std::string& name);
    // Newest first.
    static std::vector<SaveListing> List();
    static SaveResult Delete(const std::string& name);
    // Reads and checks the whole file first; only a good file replaces the
    // running game, which a refused file leaves as it was.
    static SaveResult Load(const std::string& name);
    // The same from text in memory; messages name the file as shownAs.
    static SaveResult LoadText(const std::string& text, const std::string& shownAs);

    // "<save-game folder>/<name>.xml"
    static std::string PathOf(const std::string& name);
    // "(%02d:%02d %02d/%02d/%02d)": hour, minute, month, day, year, local time.
    static std::string StampText(int64_t modified);
    // True while a game is set up.
    static bool GameRunning();

private:
    static SaveResult LoadView(std::string_view text, const std::string& shownAs);
};
