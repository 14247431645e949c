#pragma once
#include <string>

// A settings file shipped in the program's data folder with its defaults
// ("data\\options.txt"), whose player's copy lives in the user folder
// ("<user folder>/options.txt"). The program folder may be read-only, so the
// player's copy is the one read when it exists and the only one ever written.
class UserSettingsFile {
public:
    explicit UserSettingsFile(std::string shippedPath) : mShippedPath(std::move(shippedPath)) {}

    const std::string& ShippedPath() const { return mShippedPath; }
    // "<user folder>/<file name>"; "" while the user folders are not created.
    std::string PlayerPath() const;
    // The player's copy when it exists, else the shipped file.
    std::string ReadPath() const;
    // Where changes are written: the player's copy.
    std::string WritePath() const { return PlayerPath(); }

private:
    std::string mShippedPath;
};
