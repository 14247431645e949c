#include "gamedata/SaveGameName.h"

std::string SaveGameName::Problem(const std::string& name)
{
    if (name.empty())
        return "The save needs a name.";
    if (name.size() > kMaxLength)
        return "The save name is longer than " + std::to_string(kMaxLength) + " characters.";
    // "." and ".." name folders, and dots alone hide the file.
    if (name.find_first_not_of('.') == std::string::npos)
        return "The save name cannot be dots only.";
    for (unsigned char c : name) {
        if (c == '/' || c == '\\')
            return "The save name cannot contain / or \\.";
        if (c < 0x20 || c == 0x7f)
            return "The save name cannot contain control characters.";
    }
    return "";
}
