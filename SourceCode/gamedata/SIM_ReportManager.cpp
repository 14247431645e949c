#include "gamedata/SIM_ReportManager.h"

#include <cstdio>
#include <cstdlib>

#include "gamedata/CFinances.h"
#include "gamedata/CGlobalEconomy.h"
#include "gamedata/Localisation.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SpecialNeurons.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_Party.h"
#include "sim/OpinionPoll.h"

SIM_ReportManager& SIM_ReportManager::Get()
{
    static SIM_ReportManager manager;
    return manager;
}

std::string SIM_ReportManager::GroupDigits(long long number)
{
    std::string digits = std::to_string(number < 0 ? -number : number);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return number < 0 ? "-" + digits : digits;
}

void SIM_ReportManager::BuildReports()
{
    mReports = {Economy(), Budget(), Polls(), Election(), Intelligence()};
}

Report SIM_ReportManager::Economy() const
{
    CGlobalEconomy* economy = SpecialNeurons::GlobalEconomy();
    float cycle = economy ? economy->GetValue() : 0.0f;
    return {translate("REPORT_ECONOMY_TITLE"), translateGraded((cycle + 1.0f) * 0.5f, "report_global_economy")};
}

Report SIM_ReportManager::Budget() const
{
    const CFinances& finances = CFinances::Get();
    const SIM_Mission& mission = SIM_Mission::Get();
    std::string body;
    if (finances.MonthlyExpenses() > finances.MonthlyIncome())
        body = ReplaceTokens(translateRandom("REPORT_SUMMARY_DEFICIT"),
                             {{"DEFICIT", mission.FormatMoney(finances.Deficit())}});
    else
        body = ReplaceTokens(translateRandom("REPORT_SUMMARY_SURPLUS"),
                             {{"SURPLUS", mission.FormatMoney(finances.Surplus())}});
    return {translate("REPORT_BUDGET_TITLE"), body};
}

Report SIM_ReportManager::Polls() const
{
    const float approval = OpinionPoll::Get().Approval();
    const char* section = approval < 0.45f  ? "REPORT_SUMMARY_LOWAPPROVAL"
                          : approval <= 0.7f ? "REPORT_SUMMARY_AVERAGEAPPROVAL"
                                             : "REPORT_SUMMARY_HIGHAPPROVAL";
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.0f%%", static_cast<double>(approval * 100.0f));
    return {translate("REPORT_POLLS_TITLE"), ReplaceTokens(translateRandom(section), {{"PERCENT", percent}})};
}

Report SIM_ReportManager::Election() const
{
    SIM_Party* player = SIM_Party::GetPlayersParty();
    SIM_Party* opposition = SIM_Party::GetOppositionParty();
    const long long playerMembers = player ? player->MemberCount() : 0;
    const long long oppositionMembers = opposition ? opposition->MemberCount() : 0;
    const auto size = static_cast<long long>(static_cast<float>(playerMembers) * SIM_Mission::Get().PopulationPerVoter());
    std::string body = ReplaceTokens(translateGraded(ElectionManager::Get().TermProgress(), "report_election_time"),
                                     {{"PARTYNAME", player ? player->Name() : ""}, {"PARTYSIZE", GroupDigits(size)}});
    const char* sentence = std::llabs(playerMembers - oppositionMembers) < 11 ? "REPORT_ELECTION_PARTYS_SIMILAR"
                           : playerMembers > oppositionMembers           ? "REPORT_ELECTION_PLAYER_BIGGERPARTY"
                                                                          : "REPORT_ELECTION_OPP_BIGGERPARTY";
    body += " " + translate(sentence);
    return {translate("REPORT_ELECTION_TITLE"), body};
}

// No pressure groups are simulated yet, so nothing is stirring.
Report SIM_ReportManager::Intelligence() const
{
    return {translate("REPORT_INTEL_TITLE"), translate("INTEL_REPORT_NOTHING_HAPPENING")};
}
