#pragma once
#include <cstddef>
#include <string>

// What a save name may be: it becomes "<name>.xml" in the save-game folder,
// so it must stay one plain file name there.
class SaveGameName {
public:
    static constexpr size_t kMaxLength = 128;

    // "" when the name can be used, else why not, for the player.
    static std::string Problem(const std::string& name);
};
