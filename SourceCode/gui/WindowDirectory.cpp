#include "gui/WindowDirectory.h"

#include "gui/GUI_AchievementsWindow.h"
#include "gui/GUI_AwardPopup.h"
#include "gui/GUI_CabinetWindow.h"
#include "gui/GUI_DilemmaDialog.h"
#include "gui/GUI_ElectionResults.h"
#include "gui/GUI_EventDialog.h"
#include "gui/GUI_FinanceHistoryWindow.h"
#include "gui/GUI_FinanceWindow.h"
#include "gui/GUI_GameOver.h"
#include "gui/GUI_IntelReport.h"
#include "gui/GUI_IssuesWindow.h"
#include "gui/GUI_ManifestoChooser.h"
#include "gui/GUI_MinisterChooser.h"
#include "gui/GUI_PartyWindow.h"
#include "gui/GUI_PollHistoryWindow.h"
#include "gui/GUI_PollsWindow.h"
#include "gui/GUI_PostElection.h"
#include "gui/GUI_PressureGroupsWindow.h"
#include "gui/GUI_ReportWindow.h"
#include "gui/GUI_StartDialog.h"
#include "platform/ScanCodes.h"

namespace WindowDirectory {

const std::vector<Entry>& Entries()
{
    namespace K = ScanCode;
    static const std::vector<Entry> entries = {
        {GUI_FinanceWindow::kName, K::F, "CloseFinanceWindow", "FINANCES", &GUI_FinanceWindow::Open,
         &GUI_FinanceWindow::Close},
        {GUI_FinanceHistoryWindow::kName, K::B, "CloseFinanceWindow", "FINANCE_HISTORY",
         &GUI_FinanceHistoryWindow::Open, &GUI_FinanceHistoryWindow::Close},
        {GUI_CabinetWindow::kName, K::C, "CloseCabinet", "CABINET", &GUI_CabinetWindow::Open,
         &GUI_CabinetWindow::Close},
        {GUI_MinisterChooser::kName, 0, "CloseCabinet", "APPOINTMINISTER", nullptr, &GUI_MinisterChooser::Close},
        {GUI_PollsWindow::kName, K::P, "ClosePolls", "POPULARITY", &GUI_PollsWindow::Open, &GUI_PollsWindow::Close},
        {GUI_PollHistoryWindow::kName, K::H, "ClosePolls", "POLLSHISTORY", &GUI_PollHistoryWindow::Open,
         &GUI_PollHistoryWindow::Close},
        {GUI_ReportWindow::kName, K::R, "CloseReports", "REPORT", &GUI_ReportWindow::Open, &GUI_ReportWindow::Close},
        {GUI_IssuesWindow::kName, K::I, "", "ISSUES", &GUI_IssuesWindow::Open, &GUI_IssuesWindow::Close},
        {GUI_DilemmaDialog::kName, K::L, "", "DILEMMA", &GUI_DilemmaDialog::OpenPending, &GUI_DilemmaDialog::Close},
        {GUI_EventDialog::kName, K::E, "", "EVENT", &GUI_EventDialog::OpenLatest, &GUI_EventDialog::Close},
        {GUI_PressureGroupsWindow::kName, K::G, "", "THREATS", &GUI_PressureGroupsWindow::Open,
         &GUI_PressureGroupsWindow::Close},
        {GUI_IntelReport::kName, K::T, "CloseIntelReport", "INTELLIGENCE", &GUI_IntelReport::Open,
         &GUI_IntelReport::Close},
        {GUI_PartyWindow::kName, K::Y, "ClosePartyWindow", "PARTY", &GUI_PartyWindow::Open, &GUI_PartyWindow::Close},
        {GUI_AchievementsWindow::kName, K::A, "", "ACHIEVE", &GUI_AchievementsWindow::Open,
         &GUI_AchievementsWindow::Close},
        {GUI_AwardPopup::kName, 0, "", "AWARD", nullptr, &GUI_AwardPopup::Close},
        {GUI_ManifestoChooser::kName, K::M, "", "MANIFESTO", &GUI_ManifestoChooser::Open,
         &GUI_ManifestoChooser::Close},
        {GUI_ElectionResults::kName, K::V, "", "ELECTION", &GUI_ElectionResults::OpenLast, &GUI_ElectionResults::Close},
        {GUI_PostElection::kName, K::O, "", "VOTEMEMBERS", &GUI_PostElection::OpenLast, &GUI_PostElection::Close},
        {GUI_GameOver::kName, 0, "", "GAMEOVER", nullptr, &GUI_GameOver::Close},
        {GUI_StartDialog::kName, K::D, "", "STARTGAME", &GUI_StartDialog::Open, &GUI_StartDialog::Close},
    };
    return entries;
}

const Entry* FindByName(const std::string& name)
{
    for (const Entry& entry : Entries())
        if (name == entry.name)
            return &entry;
    return nullptr;
}

const Entry* FindByKey(int scanCode)
{
    if (scanCode == 0)
        return nullptr;
    for (const Entry& entry : Entries())
        if (entry.key == scanCode)
            return &entry;
    return nullptr;
}

bool OpenByKey(int scanCode)
{
    const Entry* entry = FindByKey(scanCode);
    if (!entry || !entry->open)
        return false;
    entry->open();
    return true;
}

bool CloseByCommand(const std::string& command)
{
    bool any = false;
    for (const Entry& entry : Entries())
        if (!command.empty() && command == entry.closeCommand) {
            entry.close();
            any = true;
        }
    return any;
}

void CloseAll()
{
    for (const Entry& entry : Entries())
        entry.close();
}

}  // namespace WindowDirectory
