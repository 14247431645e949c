#pragma once
#include <string>

class Neuron;

// What an entry of the issues list is about.
enum IssueKind : int {
    ISSUE_DILEMMA = 0,
    ISSUE_SITUATION_STARTED = 1,
    ISSUE_SITUATION_ENDED = 2,
    ISSUE_MINISTER_LOYALTY = 3,
    ISSUE_EVENT = 4,
    ISSUE_FINANCE_WARNING = 5,
};

// One entry of the issues list: something that needs the player's attention
// this turn. The source is the dilemma, event, situation, minister or value it
// concerns; the list is emptied before any of them can go away.
struct Issue {
    Neuron* source = nullptr;
    IssueKind kind = ISSUE_DILEMMA;
    std::string icon;
    // Only finance warnings carry their own texts.
    std::string text;
    std::string title;
    std::string group;
};
