#pragma once
#include <string>

class SIM_Dilemma;

// One answer to a dilemma: what the player reads and the script it runs.
struct DilemmaOption {
    std::string name;
    std::string description;
    std::string dilemmaName;
    std::string dilemmaDisplayName;
    std::string onImplement;
    SIM_Dilemma* owner = nullptr;
};
