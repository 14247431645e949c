#include "gui/GUI_CommandTable.h"

#include "gui/GUI_AchievementsWindow.h"
#include "gui/GUI_CabinetWindow.h"
#include "gui/GUI_DilemmaDialog.h"
#include "gui/GUI_FinanceWindow.h"
#include "gui/GUI_IntelReport.h"
#include "gui/GUI_ManifestoChooser.h"
#include "gui/GUI_PartyWindow.h"
#include "gui/GUI_PollsWindow.h"
#include "gui/GUI_PressureGroupsWindow.h"
#include "gui/GUI_ReportWindow.h"

namespace {
const GUI_CommandTable::Entry kEntries[] = {
    {"Dilemma", &GUI_DilemmaDialog::OpenPending},
    {"Manifesto", &GUI_ManifestoChooser::Open},
    {"Polls", &GUI_PollsWindow::Open},
    {"Finance", &GUI_FinanceWindow::Open},
    {"Achievements", &GUI_AchievementsWindow::Open},
    {"Parties", &GUI_PartyWindow::Open},
    {"Cabinet", &GUI_CabinetWindow::Open},
    {"Report", &GUI_ReportWindow::Open},
    {"Threat", &GUI_IntelReport::Open},
    {"PressureGroups", &GUI_PressureGroupsWindow::Open},
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
