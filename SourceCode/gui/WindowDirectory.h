#pragma once
#include <string>
#include <vector>

// The game's windows in one table: each window's name (also the prefix of
// its buttons' names), the key that opens it from the main screen (0: opened
// only by the game), the script command that closes it, and the name of its
// tutorial hint. The main screen's keys and control panel, and the scripts'
// close commands, all go through here.
namespace WindowDirectory {

struct Entry {
    const char* name;
    int key;                   // scan code; 0 when no key opens it
    const char* closeCommand;  // "" when no script command closes it
    const char* hint;          // its tutorial hint, offered each time it opens
    void (*open)();            // null for windows that need something to show
    void (*close)();
};

const std::vector<Entry>& Entries();
const Entry* FindByName(const std::string& name);
const Entry* FindByKey(int scanCode);
// Opens the window of a key; false when no window has that key.
bool OpenByKey(int scanCode);
// Closes every window the script command names; false when it names none.
bool CloseByCommand(const std::string& command);
// Closes every window of the table (a turn begins, a game is set up: what
// they show may be gone).
void CloseAll();

}  // namespace WindowDirectory
