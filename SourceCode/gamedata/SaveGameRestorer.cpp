#include "gamedata/SaveGameRestorer.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "gamedata/CFinances.h"
#include "gamedata/CGlobalEconomy.h"
#include "gamedata/SIM_Dilemma.h"
#include "gamedata/SIM_DilemmaManager.h"
#include "gamedata/SIM_Event.h"
#include "gamedata/SIM_EventManager.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SaveSectionReader.h"
#include "gamedata/SaveVoterSection.h"
#include "gamedata/SavedGame.h"
#include "gamedata/SpecialNeurons.h"
#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"
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
#include "politics/VoterGroupLinks.h"
#include "sim/CSimulation.h"
#include "sim/Calendar.h"
#include "sim/OpinionPoll.h"
#include "sim/PoliticalCapital.h"
#include "sim/Presentation.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_SimVal.h"
#include "sim/SIM_Situation.h"
#include "sim/SIM_SituationManager.h"
#include "sim/SimRandom.h"
#include "sim/SimulationState.h"
#include "sim/TurnProcessor.h"

namespace {

[[noreturn]] void Unknown(int line, const std::string& what, const std::string& name)
{
    SaveSectionReader::FailAt(line, "no " + what + " \"" + name + "\" in the game's data");
}

template <typename T>
T* Need(T* found, int line, const std::string& what, const std::string& name)
{
    if (!found)
        Unknown(line, what, name);
    return found;
}

SIM_AttackEvent* FindAttack(const std::string& name)
{
    for (SIM_AttackEvent* attack : SIM_AttackEvent::All())
        if (attack->Name == name)
            return attack;
    return nullptr;
}

SIM_VoterType* OptionalGroup(const std::string& name, int line)
{
    return name.empty() ? nullptr : Need(SIM_VoterManager::Get().FindVoterType(name), line, "voter group", name);
}

void RestorePolicies(const SavedGame& game)
{
    SIM_PolicyManager& policies = GetPolicyManager();
    std::vector<SIM_Policy*> found;
    for (const SavedGame::Policy& saved : game.policies)
        found.push_back(Need(policies.FindPolicy(saved.name), saved.line, "policy", saved.name));
    std::vector<SIM_Policy*> order;
    for (const std::string& name : game.activeOrder)
        order.push_back(Need(policies.FindPolicy(name), 0, "policy", name));

    // The policies in force as the mission put them go, and come back in the
    // saved order (the order the finances add them up in). A policy's effects
    // exist once it has ever been in force.
    for (SIM_Policy* policy : std::vector<SIM_Policy*>(SIM_PolicyManager::ActivePolicies()))
        policy->Cancel();
    for (size_t i = 0; i < found.size(); ++i) {
        if (game.policies[i].effectsCreated && !found[i]->EffectsCreated()) {
            found[i]->Introduce();
            found[i]->Cancel();
        }
    }
    for (SIM_Policy* policy : order)
        policy->Introduce();
    for (size_t i = 0; i < found.size(); ++i) {
        const SavedGame::Policy& saved = game.policies[i];
        if (saved.active != found[i]->IsActive())
            SaveSectionReader::FailAt(saved.line, "policy \"" + saved.name + "\" is not in the list of active ones");
        found[i]->SetImplementation(saved.implementation);
        found[i]->SetPopularity(saved.popularity);
    }
}

void RestoreHappenings(const SavedGame& game)
{
    SIM_EventManager& events = SIM_EventManager::Get();
    for (const SavedGame::AddedEvent& saved : game.addedEvents) {
        SIM_Event* event = events.Adopt(new SIM_Event());
        event->SetName(saved.name);
        event->SetDisplayName(saved.guiName);
        event->SetDescription(saved.description);
        event->SetTexture(saved.texture);
        event->SetOnImplement(saved.onImplement);
        event->SetOnView(saved.onView);
    }
    events.SetTurnsSinceLastEvent(game.turnsSinceLastEvent);
    for (const SavedGame::Named& saved : game.events)
        Need(events.Find(saved.name), saved.line, "event", saved.name)->SetTriggered(saved.flag);
    for (const SavedGame::Named& saved : game.dilemmas) {
        SIM_Dilemma* dilemma = Need(SIM_DilemmaManager::Get().Find(saved.name), saved.line, "dilemma", saved.name);
        dilemma->SetTriggered(saved.flag);
        dilemma->SetAnswered(saved.answered);
    }
    for (const SavedGame::Named& saved : game.simValues)
        Need(GetSimulation().FindSimVal(saved.name), saved.line, "simulation value", saved.name);
    for (const SavedGame::Named& saved : game.situations)
        Need(GetSituationManager().FindSituation(saved.name), saved.line, "situation", saved.name);
    for (const SavedGame::Attack& saved : game.attacks)
        Need(FindAttack(saved.name), saved.line, "attack", saved.name)->LastTrigger = saved.lastTrigger;
    for (const std::string& name : game.attackQueue)
        Need(FindAttack(name), 0, "attack", name)->Queue();
}

void RestoreCabinet(const SavedGame& game)
{
    SIM_Cabinet& cabinet = SIM_Cabinet::Get();
    for (const SavedGame::Minister& saved : game.ministers) {
        SIM_VoterType* first = OptionalGroup(saved.symp1, saved.line);
        SIM_VoterType* second = OptionalGroup(saved.symp2, saved.line);
        SIM_PolicyGroup* job = nullptr;
        if (saved.job != "NULL")
            job = Need(GetPolicyManager().FindGroup(saved.job), saved.line, "ministry", saved.job);
        auto* minister = new SIM_Minister(saved.forename, saved.surname, saved.female);
        minister->SetPortrait(saved.portrait);
        minister->SetLoyalty(saved.loyalty);
        minister->SetVolatility(saved.volatility);
        minister->SetExperience(saved.experience);
        minister->SetLastWarningTurn(saved.lastWarningTurn);
        minister->SetSuitabilities(saved.suitabilities);
        minister->SetSympathies(first, second);
        cabinet.AdoptMinister(minister, saved.resigned);
        if (job)
            cabinet.RestorePost(minister, job);
    }
    cabinet.SetPortraitsLeft(false, game.portraitsLeft[0]);
    cabinet.SetPortraitsLeft(true, game.portraitsLeft[1]);
}

void RestoreGrudges(const SavedGame& game)
{
    for (SIM_Grudge* grudge : std::vector<SIM_Grudge*>(SIM_Grudge::All()))
        delete grudge;
    for (const SavedGame::Grudge& saved : game.grudges) {
        Need(Neuron::FindNeuronQuietly(saved.target), saved.line, "grudge target", saved.target);
        SIM_Grudge* grudge = nullptr;
        if (saved.name.empty()) {
            grudge = SIM_Grudge::CreateGrudge(saved.guiName, saved.target, saved.value, saved.decay);
        } else {
            Need(Neuron::FindNeuronQuietly(saved.name), saved.line, "grudge subject", saved.name);
            grudge = SIM_Grudge::CreateInertialGrudge(saved.name, saved.target, saved.value, saved.decay,
                                                      static_cast<float>(saved.inertia));
        }
        grudge->SetDisplayName(saved.guiName);
        grudge->SetAge(saved.age);
    }
}

void RestoreVoters(const SavedGame& game)
{
    SIM_VoterManager& manager = SIM_VoterManager::Get();
    std::vector<SIM_VoterType*> groups;
    for (const SavedGame::VoterType& saved : game.voterTypes) {
        groups.push_back(Need(manager.FindVoterType(saved.name), saved.line, "voter group", saved.name));
        // Each voter's ties are written once per group.
        if (std::find(groups.begin(), groups.end() - 1, groups.back()) != groups.end() - 1)
            SaveSectionReader::FailAt(saved.line, "voter group \"" + saved.name + "\" is saved twice");
    }
    std::vector<SIM_PressureGroup*> pressure;
    for (const SavedGame::PressureGroup& saved : game.pressureGroups)
        pressure.push_back(Need(SIM_PressureGroup::FindPressureGroup(saved.name), saved.line, "pressure group", saved.name));

    manager.DeleteAllVoters();
    manager.SetPopulationSize(static_cast<int>(game.voters.size()));
    VoterGroupLinks::Get().Reserve(game.voters.size());
    SaveVoterSection::Lines lines(game.voters);
    SavedGame::VoterRecord record;
    while (lines.Next(record)) {
        const SavedGame::Voter& saved = record.voter;
        SIM_Voter* voter = manager.NewVoter();
        voter->SetPersonName(saved.foreID, saved.surID, saved.gender);
        voter->OppSymp = saved.oppSymp;
        voter->PlaySymp = saved.playSymp;
        voter->VotTend = saved.votTend;
        voter->LastVote = saved.lastVote;
        voter->Income = saved.income;
        voter->Militancy = saved.militancy;
        voter->TurnoutChance = saved.turnoutChance;
        voter->SetValue(saved.value);
        // Whether the voter is a member was saved, not its test.
        for (size_t g = 0; g < groups.size(); ++g) {
            const uint8_t kind = record.ties[g];
            groups[g]->RestoreTie(voter, (kind & SavedGame::VoterRecord::kLinked) != 0, record.weights[g],
                                  (kind & SavedGame::VoterRecord::kMember) != 0);
        }
        if (SIM_Party* party = SIM_Party::FromID(static_cast<PartyID>(saved.party))) {
            voter->Party = static_cast<PartyID>(saved.party);
            party->AddMember(voter);
        }
        for (uint16_t index : record.organisations)
            pressure[index]->AddMember(voter);
    }
    for (size_t i = 0; i < groups.size(); ++i) {
        const SavedGame::VoterType& saved = game.voterTypes[i];
        groups[i]->LastCount = saved.lastCount < 0 ? SIM_VoterType::kNoCount : static_cast<unsigned>(saved.lastCount);
        groups[i]->Trend = saved.trend;
        groups[i]->Change = saved.change;
        groups[i]->PollShareForPlayer = saved.pollShare;
        groups[i]->PollTurnout = saved.pollTurnout;
    }
    for (size_t i = 0; i < pressure.size(); ++i) {
        const SavedGame::PressureGroup& saved = game.pressureGroups[i];
        pressure[i]->Strength = saved.strength;
        pressure[i]->Recruiting = saved.recruiting;
        pressure[i]->Status = saved.status;
        pressure[i]->LastCount = static_cast<unsigned>(saved.lastCount);
    }
}

// Values, histories and effects of every neuron, and the recalculation order,
// as saved.
void RestoreNetwork(const SavedGame& game)
{
    std::map<std::pair<int, std::string>, std::vector<Neuron*>> byName;
    for (auto it = Neuron::All().rbegin(); it != Neuron::All().rend(); ++it)
        byName[{(*it)->GetType(), (*it)->GetName()}].push_back(*it);

    std::vector<Neuron*> live;
    live.reserve(game.neurons.size());
    for (const SavedGame::SavedNeuron& saved : game.neurons) {
        auto found = byName.find({saved.type, saved.name});
        if (found == byName.end() || found->second.empty())
            Unknown(saved.line, "neuron", saved.name);
        live.push_back(found->second.back());
        found->second.pop_back();
    }
    for (const auto& [key, left] : byName)
        if (!left.empty())
            SaveSectionReader::FailAt(0, "the game's data has a neuron \"" + key.second + "\" the save does not");

    std::vector<Neuron*> order(static_cast<size_t>(game.neuronTotal), nullptr);
    for (size_t i = 0; i < live.size(); ++i) {
        const SavedGame::SavedNeuron& saved = game.neurons[i];
        Neuron* neuron = live[i];
        order[static_cast<size_t>(saved.position)] = neuron;
        neuron->SetValue(saved.value);
        neuron->SetBaseValue(saved.base);
        for (int h = 0; h < Neuron::kHistorySize; ++h)
            neuron->SetHistory(h, saved.history[static_cast<size_t>(h)]);
        if (neuron->GetType() != NEURON_POLICY)
            neuron->SetActive(saved.active);

        std::vector<NeuralEffect*> incoming(neuron->Incoming().begin(), neuron->Incoming().end());
        std::vector<NeuralEffect*> restored;
        for (const SavedGame::Effect& effect : saved.incoming) {
            Neuron* source = live[static_cast<size_t>(effect.source)];
            auto match = std::find_if(incoming.begin(), incoming.end(),
                                      [source](NeuralEffect* e) { return e && e->GetSource() == source; });
            if (match == incoming.end())
                SaveSectionReader::FailAt(saved.line, "the game's data has no effect of \"" + source->GetName() +
                                                          "\" on \"" + saved.name + "\"");
            (*match)->SetState(effect.state);
            restored.push_back(*match);
            *match = nullptr;
        }
        for (NeuralEffect* left : incoming)
            if (left)
                SaveSectionReader::FailAt(saved.line, "the save lacks the effect of \"" + left->GetSource()->GetName() +
                                                          "\" on \"" + saved.name + "\"");
        neuron->RestoreIncomingOrder(std::move(restored));
    }
    Neuron::RestoreOrder(std::move(order));
}

void RestoreFigures(const SavedGame& game)
{
    CFinances& money = CFinances::Get();
    money.SetCurrentBalance(game.balance);
    money.SetMonthlyExpenses(game.expenses);
    money.SetMonthlyIncome(game.income);
    money.SetMonthlyInterest(game.interest);
    money.SetNationalDebt(game.debt);
    money.SetHistoryPeak(game.peak);
    money.SetDebtCeiling(game.ceiling);
    money.SetMonthsElapsed(game.monthsElapsed);
    money.SetDebtCeilingState(static_cast<CFinances::DebtCeilingStatus>(game.ceilingState));
    for (int i = 0; i < CFinances::kHistorySize; ++i) {
        money.SetIncomeHistory(i, game.incomeHistory[static_cast<size_t>(i)]);
        money.SetExpenditureHistory(i, game.expenditureHistory[static_cast<size_t>(i)]);
        money.SetDebtHistory(i, game.debtHistory[static_cast<size_t>(i)]);
    }
    if (CGlobalEconomy* economy = SpecialNeurons::GlobalEconomy()) {
        economy->SetPhase(game.economyPhase);
        economy->SetPeriod(game.economyPeriod);
        economy->SetAmplitude(game.economyAmplitude);
    }
    ElectionManager& elections = ElectionManager::Get();
    elections.SetNextElection(game.nextElectionMonth, game.nextElectionYear);
    elections.SetElectionsWon(game.electionsWon);
    elections.SetElectionsHeld(game.electionsHeld);
    Calendar::Get().Set(game.month, game.year);
    GetPoliticalCapital().SetPerTurn(game.capitalPerTurn);
    GetPoliticalCapital().SetAvailable(game.capitalAvailable);
    CynicismTracker::Get().Reset();
    CynicismTracker::Get().SetValue(game.cynicism);

    OpinionPoll& poll = OpinionPoll::Get();
    poll.SetCurrent(game.approval, game.voteShare);
    poll.SetBests(game.bestApproval, game.bestVoteShare);
    for (int i = 0; i < OpinionPoll::kHistorySize; ++i) {
        poll.SetApprovalHistory(i, game.approvalHistory[static_cast<size_t>(i)]);
        poll.SetVoteShareHistory(i, game.voteShareHistory[static_cast<size_t>(i)]);
    }

    SIM_Manifesto& manifesto = SIM_Manifesto::Get();
    std::vector<SIM_Manifesto::Pledge> lists[2];
    const std::vector<SavedGame::Pledge>* saved[2] = {&game.livePledges, &game.nextPledges};
    for (int l = 0; l < 2; ++l)
        for (const SavedGame::Pledge& pledge : *saved[l])
            lists[l].push_back({Need(manifesto.FindPledgeType(pledge.name), pledge.line, "pledge", pledge.name),
                                pledge.initial});
    manifesto.Restore(std::move(lists[0]), std::move(lists[1]), game.allKept, game.pledgePenalty);

    const SavedGame::Party* parties[2] = {&game.player, &game.opposition};
    SIM_Party* live[2] = {SIM_Party::GetPlayersParty(), SIM_Party::GetOppositionParty()};
    for (int p = 0; p < 2; ++p) {
        if (!live[p])
            continue;
        live[p]->SetStatus(parties[p]->status);
        live[p]->SetLastCount(static_cast<unsigned>(parties[p]->lastCount));
        live[p]->SetTurnoutPull(parties[p]->turnoutPull);
    }
}

}  // namespace

std::string SaveGameRestorer::FindMission(const std::string& savedPath)
{
    if (!savedPath.empty() && PlatformFiles::IsFile(savedPath))
        return savedPath;
    const std::string file = PlatformFiles::FileNameOf(savedPath);
    if (file.empty())
        return "";
    std::vector<std::string> candidates = {"data/missions/" + file};
    if (!UserFolders::Get().UserFolder().empty())
        candidates.push_back(UserFolders::Get().ModPath("data/missions/" + file));
    for (const std::string& candidate : candidates)
        if (PlatformFiles::IsFile(candidate))
            return candidate;
    return "";
}

void SaveGameRestorer::Apply(const SavedGame& game)
{
    const std::string mission = FindMission(game.missionFile);
    if (mission.empty())
        SaveSectionReader::FailAt(0, "the mission file \"" + game.missionFile + "\" is missing");
    SIM_Mission& missionData = SIM_Mission::Get();
    missionData.Clear();
    missionData.SetFile(mission);
    missionData.Load();
    missionData.SetTermLength(game.termLength);
    missionData.SetCurrency(game.currency);
    missionData.SetPlayerPartyName(game.player.name);
    missionData.SetOppositionPartyName(game.opposition.name);
    ElectionManager::SetTermLengthYears(game.termLength);

    TurnProcessor::Get().BuildNetwork(game.missionName);
    SIM_PressureGroup::LoadPressureGroups();
    SIM_AttackEvent::LoadAttacks();
    SimulationState::Get().SetTurnNumber(game.turn);
    SimulationState::Get().SetGameOver(game.gameOver);

    RestorePolicies(game);
    RestoreHappenings(game);
    RestoreCabinet(game);
    RestoreGrudges(game);
    RestoreVoters(game);
    RestoreNetwork(game);
    RestoreFigures(game);

    SIM_IssuesManager::Get().Release();
    NeuralEffect::SetInitialising(false);
    SimRandom::SetState(game.generator);
    Presentation::Current().ShowPollDisplay();
    Presentation::Current().SetFinished(true);
}
