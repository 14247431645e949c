#pragma once
#include <string>
#include <vector>

// One mission offered on the chooser.
struct MissionChoice {
    std::string path;  // the mission file
    std::string name;
    std::string description;
    std::string thumb;
    int guiId = 0;
};

// The missions of "data/missions/*.txt" and then of the user's
// "mods/data/missions/*.txt", ordered by gui_id; equal ids keep that order
// (base missions first, each folder in name order).
class MissionList {
public:
    static constexpr const char* kBasePattern = "data/missions/*.txt";

    // userFolder "" lists the base missions only.
    static std::vector<MissionChoice> List(const std::string& userFolder);
    static std::vector<MissionChoice> List(const std::vector<std::string>& patterns);
};
