#pragma once
#include <string>

// The display settings, section "config" of "data\config.muf". They are read
// from the player's copy when it exists, else from the shipped file; changes
// always go to the player's copy, which starts as a copy of the shipped one.
class ConfigFile {
public:
    // Tests point reading and writing at one file of their own ("" for the usual places).
    void SetPath(const std::string& path) { mPath = path; }

    std::string ReadPath() const;
    std::string WritePath() const;

    int ReadInt(const std::string& key, int fallback) const;
    // A failure is traced; the game goes on with the setting unchanged.
    void WriteInt(const std::string& key, int value) const;

private:
    std::string mPath;
};
