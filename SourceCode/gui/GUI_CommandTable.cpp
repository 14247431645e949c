#include "gui/GUI_CommandTable.h"

namespace {
// Fill in the Open functions as the windows arrive (e.g. {"Polls", &GUI_PollsWindow::Open}).
const GUI_CommandTable::Entry kEntries[] = {
    {"Dilemma", nullptr},
    {"Manifesto", nullptr},
    {"Polls", nullptr},
    {"Finance", nullptr},
    {"Achievements", nullptr},
    {"Parties", nullptr},
    {"Cabinet", nullptr},
    {"Report", nullptr},
    {"Threat", nullptr},
    {"PressureGroups", nullptr},
};
}  // namespace

const GUI_CommandTable::Entry* GUI_CommandTable::Begin() { return kEntries; }
const GUI_CommandTable::Entry* GUI_CommandTable::End() { return kEntries + sizeof kEntries / sizeof kEntries[0]; }

const GUI_CommandTable::Entry* GUI_CommandTable::Find(const std::string& command)
{
    for (const Entry* e = Begin(); e != End(); ++e)
        if (command == e->command)
            return e;
    return nullptr;
}
