#pragma once
#include <string>
#include <vector>

struct RecordLine;

// A condition on the simulation that, once met, the player keeps for good.
struct Achievement {
    enum Operator { BELOW, ABOVE, ACTIVE };
    struct Condition {
        std::string neuron;
        Operator op = ABOVE;
        float number = 0.0f;
        bool Holds() const;
    };

    std::string Id;       // the key in the profile
    std::string Texts[4]; // for the achievements window
    std::vector<Condition> Conditions;
    bool Achieved = false;

    bool AllConditionsHold() const;
    // One record of the achievements table; a bad operator is fatal.
    static Achievement Read(const RecordLine& record);
};
