#include "gamedata/SaveGameWriter.h"

#include <ctime>
#include <unordered_map>

#include "gamedata/CFinances.h"
#include "gamedata/CGlobalEconomy.h"
#include "gamedata/SIM_Dilemma.h"
#include "gamedata/SIM_DilemmaManager.h"
#include "gamedata/SIM_Event.h"
#include "gamedata/SIM_EventManager.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SaveFileWriter.h"
#include "gamedata/SaveVoterSection.h"
#include "gamedata/SavedGame.h"
#include "gamedata/SpecialNeurons.h"
#include "politics/CynicismTracker.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_AttackEvent.h"
#include "politics/SIM_Cabinet.h"
#include "politics/SIM_Grudge.h"
#include "politics/SIM_Manifesto.h"
#include "politics/SIM_Minister.h"
#include "politics/SIM_Party.h"
#include "politics/SIM_PressureGroup.h"
#include "politics/SIM_Voter.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "sim/CSimulation.h"
#include "sim/Calendar.h"
#include "sim/NeuralEffect.h"
#include "sim/OpinionPoll.h"
#include "sim/PoliticalCapital.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyGroup.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_SimVal.h"
#include "sim/SIM_Situation.h"
#include "sim/SIM_SituationManager.h"
#include "sim/SimRandom.h"
#include "sim/SimulationState.h"

namespace {

void WriteHistory(SaveFileWriter& out, const Neuron& neuron)
{
    float history[Neuron::kHistorySize];
    for (int i = 0; i < Neuron::kHistorySize; ++i)
        history[i] = neuron.History(i);
    out.History("history", history, Neuron::kHistorySize);
}

// "<list>", then one "<item>" container per element, written by each, then "</list>".
template <typename Items, typename Each>
void WriteList(SaveFileWriter& out, const char* list, const char* item, const Items& items, Each each)
{
    out.Open(list);
    for (const auto& element : items) {
        out.Open(item);
        each(element);
        out.Close(item);
    }
    out.Close(list);
}

std::vector<SIM_Minister*> AllMinisters()
{
    std::vector<SIM_Minister*> ministers = SIM_Cabinet::Get().Pool();
    const auto& resigned = SIM_Cabinet::Get().Resigned();
    ministers.insert(ministers.end(), resigned.begin(), resigned.end());
    return ministers;
}

bool IsDataEvent(const SIM_Event& event) { return event.GetName().rfind(SIM_Cabinet::kResignEventPrefix, 0) != 0; }

}  // namespace

std::string SaveGameWriter::VersionLabel()
{
    return std::string(SavedGame::kFormatName) + " " + std::to_string(SavedGame::kFormatVersion);
}

std::string SaveGameWriter::DateNow()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_mday) + "/" + std::to_string(local.tm_mon + 1) + "/" +
           std::to_string(local.tm_year + 1900) + " (DD-MM-YYYY) - " + std::to_string(local.tm_hour) + ":" +
           std::to_string(local.tm_min);
}

std::string SaveGameWriter::Write(const std::string& date)
{
    SaveFileWriter out;
    Write(date, out);
    return out.Take();
}

void SaveGameWriter::Write(const std::string& date, SaveFileWriter& out)
{
    out.Open("xml");
    out.Open("header");
    out.Text("version", VersionLabel());
    out.Close("header");
    out.Open("load_data");
    out.Text("date", date);
    out.Close("load_data");
    WriteFinances(out);
    WriteVoters(out);
    WritePolicies(out);
    WriteNamedNeurons(out);
    WriteMinisters(out);
    WriteGroups(out);
    WriteManifestoAndParties(out);
    WriteGameplay(out);
    WriteGrudges(out);
    out.Open("cynicism");
    out.Real("value", CynicismTracker::Get().GetValue());
    out.Close("cynicism");
    WriteContinuation(out);
    WriteNetwork(out);
    out.Close("xml");
}

void SaveGameWriter::WriteFinances(SaveFileWriter& out)
{
    const CFinances& money = CFinances::Get();
    float income[CFinances::kHistorySize], spending[CFinances::kHistorySize], debt[CFinances::kHistorySize];
    for (int i = 0; i < CFinances::kHistorySize; ++i) {
        income[i] = money.IncomeHistory(i);
        spending[i] = money.ExpenditureHistory(i);
        debt[i] = money.DebtHistory(i);
    }
    out.Open("finances");
    out.Real("CurrentBalance", money.CurrentBalance());
    out.Real("MonthlyExpenses", money.MonthlyExpenses());
    out.Real("MonthlyIncome", money.MonthlyIncome());
    out.Real("MonthlyInterest", money.MonthlyInterest());
    out.Real("NationalDebt", money.NationalDebt());
    out.Real("HistoryPeak", money.HistoryPeak());
    out.Real("DebtCeiling", money.DebtCeiling());
    out.History("IncomeHistory", income, CFinances::kHistorySize);
    out.History("ExpenditureHistory", spending, CFinances::kHistorySize);
    out.History("DebtHistory", debt, CFinances::kHistorySize);
    out.Close("finances");
}

void SaveGameWriter::WriteVoters(SaveFileWriter& out) { SaveVoterSection::Write(out); }

void SaveGameWriter::WritePolicies(SaveFileWriter& out)
{
    WriteList(out, "policies", "policy", SIM_PolicyManager::AllPolicies(), [&out](const SIM_Policy* policy) {
        out.Text("name", policy->GetName());
        out.Real("implementation", policy->Implementation());
        out.Real("targetvalue", policy->PlayerSetting());
        out.Real("Value", policy->GetValue());
        WriteHistory(out, *policy);
        out.Int("active", policy->IsActive() ? 1 : 0);
    });
}

void SaveGameWriter::WriteNamedNeurons(SaveFileWriter& out)
{
    WriteList(out, "simvalues", "simvalue", GetSimulation().SimVals(), [&out](const SIM_SimVal* value) {
        out.Text("name", value->GetName());
        out.Real("Value", value->GetValue());
        out.Real("default", value->GetBaseValue());
        WriteHistory(out, *value);
    });
    const auto& situations = GetSituationManager().Situations();
    WriteList(out, "situations", "situation", situations, [&out](const SIM_Situation* situation) {
        out.Text("name", situation->GetName());
        out.Real("Value", situation->GetValue());
        out.Int("active", situation->IsActive() ? 1 : 0);
    });
    WriteList(out, "dilemmas", "dilemma", SIM_DilemmaManager::Get().Dilemmas(), [&out](const SIM_Dilemma* dilemma) {
        out.Text("name", dilemma->GetName());
        out.Real("Value", dilemma->GetValue());
        out.Int("triggered", dilemma->IsTriggered() ? 1 : 0);
    });
    out.Open("events");
    out.Int("turnssincelastevent", SIM_EventManager::Get().TurnsSinceLastEvent());
    for (const SIM_Event* event : SIM_EventManager::Get().Events()) {
        out.Open("event");
        out.Text("name", event->GetName());
        out.Real("Value", event->GetValue());
        out.Int("triggered", event->IsTriggered() ? 1 : 0);
        out.Close("event");
    }
    out.Close("events");
    WriteList(out, "attackevents", "event", SIM_AttackEvent::All(), [&out](const SIM_AttackEvent* attack) {
        out.Text("name", attack->Name);
        out.Int("lasttrigger", attack->LastTrigger);
    });
}

void SaveGameWriter::WriteMinisters(SaveFileWriter& out)
{
    out.Open("ministers");
    for (const SIM_Minister* minister : AllMinisters()) {
        float suitabilities[SIM_Minister::kJobCount];
        for (int i = 0; i < SIM_Minister::kJobCount; ++i)
            suitabilities[i] = minister->SuitabilityFor(i);
        out.Open("minister");
        out.Text("FullName", minister->FullName());
        out.Real("Value", minister->GetValue());
        out.Text("Portrait", minister->Portrait());
        out.Real("Loyalty", minister->Loyalty());
        out.Real("Volatility", minister->Volatility());
        out.Text("symp1", minister->Sympathy1() ? minister->Sympathy1()->GetName() : "");
        out.Text("symp2", minister->Sympathy2() ? minister->Sympathy2()->GetName() : "");
        out.Real("exper", minister->Experience());
        out.History("suitabilities", suitabilities, SIM_Minister::kJobCount);
        out.Text("currentjob", minister->Job() ? minister->Job()->Name() : "NULL");
        out.Close("minister");
    }
    out.Close("ministers");
}

void SaveGameWriter::WriteGroups(SaveFileWriter& out)
{
    WriteList(out, "votertypes", "votertype", SIM_VoterManager::Get().VoterTypes(), [&out](const SIM_VoterType* group) {
        out.Text("name", group->GetName());
        out.Real("Value", group->GetValue());
        WriteHistory(out, *group);
    });
    WriteList(out, "pressuregroups", "pressuregroup", SIM_PressureGroup::All(), [&out](const SIM_PressureGroup* group) {
        out.Text("name", group->Name);
        out.Real("strength", group->Strength);
    });
}

void SaveGameWriter::WriteManifestoAndParties(SaveFileWriter& out)
{
    auto pledges = [&out](const char* list, const std::vector<SIM_Manifesto::Pledge>& items) {
        WriteList(out, list, "pledge", items, [&out](const SIM_Manifesto::Pledge& pledge) {
            out.Text("name", pledge.type ? pledge.type->Name : "");
            out.Real("initial", pledge.Initial);
            out.Real("change", pledge.type ? pledge.type->Change : 0.0f);
        });
    };
    out.Open("manifesto");
    pledges("live", SIM_Manifesto::Get().Live());
    pledges("nextterm", SIM_Manifesto::Get().NextTerm());
    out.Close("manifesto");

    SIM_Party* player = SIM_Party::GetPlayersParty();
    SIM_Party* opposition = SIM_Party::GetOppositionParty();
    out.Open("parties");
    out.Text("playername", player ? player->Name() : "");
    out.Text("oppname", opposition ? opposition->Name() : "");
    out.Int("playerstatus", player ? player->GetStatus() : SIM_Party::STATUS_UNCHANGED);
    out.Int("oppstatus", opposition ? opposition->GetStatus() : SIM_Party::STATUS_UNCHANGED);
    out.Close("parties");
}

void SaveGameWriter::WriteGameplay(SaveFileWriter& out)
{
    const SIM_Mission& mission = SIM_Mission::Get();
    out.Open("gameplay");
    out.Int("turn", SimulationState::Get().TurnNumber());
    out.Text("missionname", SimulationState::Get().MissionName());
    out.Close("gameplay");
    out.Open("mission");
    out.Text("filename", mission.FilePath());
    out.Text("currency", mission.Currency());
    out.Int("termlength", mission.TermLength());
    out.Text("guiname", mission.Name());
    out.Close("mission");
    const CGlobalEconomy* economy = SpecialNeurons::GlobalEconomy();
    out.Open("economy");
    out.Real("pos", economy ? economy->Phase() : 0.0f);
    out.Real("val", economy ? economy->GetValue() : 0.0f);
    out.Close("economy");
    const ElectionManager& elections = ElectionManager::Get();
    out.Open("election");
    out.Int("NextElectionMonth", elections.NextElectionMonth());
    out.Int("NextElectionYear", elections.NextElectionYear());
    out.Int("ElectionsWon", elections.ElectionsWon());
    out.Close("election");
    out.Open("calendar");
    out.Int("month", Calendar::Get().Month());
    out.Int("year", Calendar::Get().Year());
    out.Close("calendar");
    out.Open("restrictedpower");
    out.Int("ap", GetPoliticalCapital().Available());
    out.Int("allow", GetPoliticalCapital().PerTurn());
    out.Close("restrictedpower");
}

void SaveGameWriter::WriteGrudges(SaveFileWriter& out)
{
    WriteList(out, "grudges", "grudge", SIM_Grudge::All(), [&out](const SIM_Grudge* grudge) {
        out.Text("name", grudge->GetName());
        out.Text("guiname", grudge->GetDisplayName());
        out.Int("age", grudge->Age());
        out.Real("decay", grudge->Decay());
        out.Real("value", grudge->GetValue());
        out.Text("target", grudge->TargetName());
        out.Int("inertia", grudge->Inertia());
    });
}

// What the 22 sections round off or leave out, exactly.
void SaveGameWriter::WriteContinuation(SaveFileWriter& out)
{
    out.Open("generator");
    out.Int("state", SimRandom::State());
    out.Close("generator");

    const OpinionPoll& poll = OpinionPoll::Get();
    float approval[OpinionPoll::kHistorySize], share[OpinionPoll::kHistorySize];
    for (int i = 0; i < OpinionPoll::kHistorySize; ++i) {
        approval[i] = poll.ApprovalHistory(i);
        share[i] = poll.VoteShareHistory(i);
    }
    out.Open("pollhistory");
    out.Exact("approval", poll.Approval());
    out.Exact("voteshare", poll.VoteShare());
    out.Exact("bestapproval", poll.BestApproval());
    out.Exact("bestvoteshare", poll.BestVoteShare());
    out.ExactList("approvalhistory", approval, OpinionPoll::kHistorySize);
    out.ExactList("votesharehistory", share, OpinionPoll::kHistorySize);
    out.Close("pollhistory");

    const CFinances& money = CFinances::Get();
    float income[CFinances::kHistorySize], spending[CFinances::kHistorySize], debt[CFinances::kHistorySize];
    for (int i = 0; i < CFinances::kHistorySize; ++i) {
        income[i] = money.IncomeHistory(i);
        spending[i] = money.ExpenditureHistory(i);
        debt[i] = money.DebtHistory(i);
    }
    out.Open("financemonths");
    out.Int("elapsed", money.MonthsElapsed());
    out.Int("ceilingstate", money.DebtCeilingState());
    const float figures[] = {money.CurrentBalance(), money.MonthlyExpenses(), money.MonthlyIncome(),
                             money.MonthlyInterest(), money.NationalDebt(),   money.HistoryPeak(),
                             money.DebtCeiling()};
    out.ExactList("figures", figures, 7);
    out.ExactList("income", income, CFinances::kHistorySize);
    out.ExactList("expenditure", spending, CFinances::kHistorySize);
    out.ExactList("debt", debt, CFinances::kHistorySize);
    out.Close("financemonths");

    const CGlobalEconomy* economy = SpecialNeurons::GlobalEconomy();
    const ElectionManager& elections = ElectionManager::Get();
    out.Open("calendarstart");
    const float cycle[] = {economy ? economy->Phase() : 0.0f, economy ? economy->Period() : 0.0f,
                           economy ? economy->Amplitude() : 0.0f};
    out.ExactList("economy", cycle, 3);
    out.Int("electionsheld", elections.ElectionsHeld());
    out.Int("gameover", SimulationState::Get().IsGameOver() ? 1 : 0);
    out.Exact("cynicism", CynicismTracker::Get().GetValue());
    out.Close("calendarstart");

    out.Open("groupstate");
    for (const SIM_VoterType* group : SIM_VoterManager::Get().VoterTypes()) {
        out.Open("g");
        out.Int("lastcount", group->LastCount == SIM_VoterType::kNoCount ? -1 : static_cast<long long>(group->LastCount));
        out.Int("trend", group->Trend);
        out.Int("change", group->Change);
        out.Exact("pollshare", group->PollShareForPlayer);
        out.Exact("pollturnout", group->PollTurnout);
        out.Close("g");
    }
    for (const SIM_PressureGroup* group : SIM_PressureGroup::All()) {
        out.Open("p");
        out.Exact("strength", group->Strength);
        out.Int("recruiting", group->Recruiting ? 1 : 0);
        out.Int("status", group->Status);
        out.Int("lastcount", group->LastCount);
        out.Close("p");
    }
    for (SIM_Party* party : {SIM_Party::GetPlayersParty(), SIM_Party::GetOppositionParty()}) {
        out.Open("party");
        out.Int("lastcount", party ? party->LastCount() : 0);
        out.Exact("turnoutpull", party ? party->TurnoutPull() : 0.5f);
        out.Close("party");
    }
    out.Close("groupstate");

    out.Open("policystate");
    for (const SIM_Policy* policy : SIM_PolicyManager::AllPolicies()) {
        out.Open("p");
        out.Exact("implementation", policy->Implementation());
        out.Exact("popularity", policy->Popularity());
        out.Int("effects", policy->EffectsCreated() ? 1 : 0);
        out.Close("p");
    }
    out.Open("active");
    for (const SIM_Policy* policy : SIM_PolicyManager::ActivePolicies())
        out.Text("name", policy->GetName());
    out.Close("active");
    out.Close("policystate");

    out.Open("happenings");
    for (const SIM_Dilemma* dilemma : SIM_DilemmaManager::Get().Dilemmas())
        out.Int("answered", dilemma->IsAnswered() ? 1 : 0);
    for (const SIM_Event* event : SIM_EventManager::Get().Events()) {
        if (IsDataEvent(*event))
            continue;
        out.Open("added");
        out.Text("name", event->GetName());
        out.Text("guiname", event->GetDisplayName());
        out.Text("description", event->Description());
        out.Text("texture", event->Texture());
        out.Text("onimplement", event->OnImplement());
        out.Text("onview", event->OnView());
        out.Close("added");
    }
    out.Close("happenings");

    out.Open("attackqueue");
    for (const SIM_AttackEvent* attack : SIM_AttackEvent::QueuedAttacks())
        out.Text("name", attack->Name);
    out.Close("attackqueue");

    out.Open("cabinet");
    const size_t inPool = SIM_Cabinet::Get().Pool().size();
    size_t index = 0;
    for (const SIM_Minister* minister : AllMinisters()) {
        float figures[3 + SIM_Minister::kJobCount] = {minister->Loyalty(), minister->Volatility(),
                                                      minister->Experience()};
        for (int i = 0; i < SIM_Minister::kJobCount; ++i)
            figures[3 + i] = minister->SuitabilityFor(i);
        out.Open("m");
        out.Text("forename", minister->Forename());
        out.Text("surname", minister->Surname());
        out.Int("female", minister->IsFemale() ? 1 : 0);
        out.Int("resigned", index++ >= inPool ? 1 : 0);
        out.Int("lastwarning", minister->LastWarningTurn());
        out.ExactList("figures", figures, 3 + SIM_Minister::kJobCount);
        out.Close("m");
    }
    for (bool female : {false, true}) {
        out.Open(female ? "femaleportraits" : "maleportraits");
        for (const std::string& portrait : SIM_Cabinet::Get().PortraitsLeft(female))
            out.Text("name", portrait);
        out.Close(female ? "femaleportraits" : "maleportraits");
    }
    out.Close("cabinet");

    out.Open("grudgestate");
    for (const SIM_Grudge* grudge : SIM_Grudge::All())
        out.Exact("decay", grudge->Decay());
    out.Close("grudgestate");

    const SIM_Manifesto& manifesto = SIM_Manifesto::Get();
    out.Open("pledgestate");
    out.Int("allkept", manifesto.AllKept() ? 1 : 0);
    out.Exact("penalty", manifesto.Penalty());
    for (const auto* list : {&manifesto.Live(), &manifesto.NextTerm()})
        for (const SIM_Manifesto::Pledge& pledge : *list)
            out.Exact("initial", pledge.Initial);
    out.Close("pledgestate");
}

// Every neuron with its value, base, history and incoming effects, in
// recalculation order, which a loaded game keeps: values flow forward within
// one pass. Voters are not neurons; their figures are above.
void SaveGameWriter::WriteNetwork(SaveFileWriter& out)
{
    const auto& neurons = Neuron::All();
    std::unordered_map<const Neuron*, int> savedIndex;
    for (size_t position = 0; position < neurons.size(); ++position)
        savedIndex[neurons[position]] = static_cast<int>(position);

    out.Open("network");
    out.Int("total", static_cast<long long>(neurons.size()));
    std::string figures;
    for (size_t position = 0; position < neurons.size(); ++position) {
        const Neuron* neuron = neurons[position];
        float history[Neuron::kHistorySize];
        for (int i = 0; i < Neuron::kHistorySize; ++i)
            history[i] = neuron->History(i);
        out.Open("n");
        out.Text("name", neuron->GetName());
        out.Int("type", neuron->GetType());
        out.Int("pos", static_cast<long long>(position));
        figures.clear();
        for (float figure : {neuron->GetValue(), neuron->GetBaseValue()}) {
            SaveFileWriter::AppendExact(figures, figure);
            figures += ',';
        }
        out.Raw("vb", figures);
        out.ExactList("h", history, Neuron::kHistorySize);
        out.Int("active", neuron->IsActive() ? 1 : 0);
        for (const NeuralEffect* effect : neuron->Incoming()) {
            auto source = savedIndex.find(effect->GetSource());
            if (source == savedIndex.end())
                continue;
            NeuralEffect::State state = effect->GetState();
            const float reals[] = {state.multiplier, state.input, state.targetInput, state.output, state.lastChange};
            figures.clear();
            figures += std::to_string(source->second) + "," + (state.firstUpdatePending ? "1," : "0,") +
                       std::to_string(state.steps) + "," + std::to_string(state.inertialDrag) + ",";
            for (float real : reals) {
                SaveFileWriter::AppendExact(figures, real);
                figures += ',';
            }
            out.Raw("e", figures);
        }
        out.Close("n");
    }
    out.Close("network");
}
