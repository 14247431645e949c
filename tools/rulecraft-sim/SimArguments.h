#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The headless runner's command line:
//   rulecraft-sim [--game DIR] [--user DIR] [--mission NAME] [--turns N]
//                 [--seed S] [--watch NAME[,NAME...]] [--actions FILE]
//                 [--format csv|json] [--quiet] [--log FILE] [--load NAME]
// --load plays on from the save NAME of the user folder instead of a new
// game: its first row is the saved turn's, and the actions of the turn the
// save was made before are taken as done (the save holds them).
struct SimArguments {
    enum Format { FORMAT_CSV, FORMAT_JSON };

    std::string gameFolder;  // empty: the game's own folder
    std::string userFolder;  // empty: a fresh temporary folder
    std::string missionName; // empty: the first mission of the chooser
    int turns = 40;
    bool seeded = false;
    uint32_t seed = 0;
    std::vector<std::string> watched;
    std::string actionsFile;
    std::string logFile;  // empty: no debug log
    std::string loadName; // empty: a new game
    Format format = FORMAT_CSV;
    bool quiet = false;
    bool help = false;
    std::string startFolder;  // where the runner was started (relative paths)

    // False with the reason in error when the command line is not understood.
    static bool Parse(const std::vector<std::string>& args, SimArguments& out, std::string& error);
    static const char* Usage();
};

// Whole-text number checks: the text must be nothing but the number.
bool ParseWholeInt(const std::string& text, long long& value);
bool ParseWholeFloat(const std::string& text, float& value);
