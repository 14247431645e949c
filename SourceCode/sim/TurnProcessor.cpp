#include "sim/TurnProcessor.h"

#include "engine/DebugLog.h"
#include "engine/Diagnostics.h"
#include "engine/GameSubsystem.h"
#include "gamedata/CFinances.h"
#include "gamedata/CGlobalEconomy.h"
#include "gamedata/NamePool.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Dilemma.h"
#include "gamedata/SIM_DilemmaManager.h"
#include "gamedata/SIM_EventManager.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SIM_ReportManager.h"
#include "gamedata/SaveGames.h"
#include "gamedata/UserFolders.h"
#include "gamedata/SpecialNeurons.h"
#include "politics/AchievementList.h"
#include "politics/CynicismTracker.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_Cabinet.h"
#include "politics/SIM_Grudge.h"
#include "politics/SIM_Manifesto.h"
#include "politics/SIM_AttackEvent.h"
#include "politics/SIM_Party.h"
#include "politics/SIM_PressureGroup.h"
#include "politics/SIM_Voter.h"
#include "politics/SIM_VoterManager.h"
#include "sim/CSimulation.h"
#include "sim/Calendar.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/OpinionPoll.h"
#include "sim/PoliticalCapital.h"
#include "sim/Presentation.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_SituationManager.h"
#include "sim/SimulationState.h"

namespace {
constexpr const char* kDebtCeilingEvent = "DebtCeilingReached";
constexpr const char* kTurnBanner =
    "==========================================Processing new turn====================================";

bool GameIsOver()
{
    return Presentation::Current().GameOverWindowOpen() || SimulationState::Get().IsGameOver();
}

// Music mood from the poll's vote share: low, middling, high.
int MoodFromVoteShare(float voteShare)
{
    if (voteShare < 0.33f)
        return 2;
    if (voteShare < 0.66f)
        return 0;
    return 1;
}
}  // namespace

TurnProcessor& TurnProcessor::Get()
{
    static TurnProcessor processor;
    return processor;
}

void TurnProcessor::ShowProgress(const std::string& text, float increment)
{
    DebugLog::Write(text);
    mProgressText = text;
    Presentation::Current().SetProgress(mProgressText, mProgress);
    Presentation::Current().PumpFrame();
    mProgress += increment;
    if (mProgress > 1.0f)
        mProgress = 0.0f;
}

void TurnProcessor::NextTurn()
{
    if (Presentation::Current().ModalWindowOpen())
        return;
    RunTurn();
    Autosave();
}

void TurnProcessor::RunTurn()
{
    Presentation& screens = Presentation::Current();
    SimulationState& state = SimulationState::Get();

    mAutosaveDue = false;
    screens.ShowProcessingScreen(kLoadScreenPicture);
    screens.SetFinished(false);
    DebugLog::Write(kTurnBanner);
    screens.CloseEventDialog();
    if (state.TurnNumber() > 1) {
        screens.NextQuotation();
        ShowProgress("Analayzing decisions", 0.1f);
    }
    screens.CloseAllDialogs();
    screens.ShowProcessing();
    state.AdvanceTurnNumber();
    const int turn = state.TurnNumber();
    StartIssuesAndReports();

    SIM_Cabinet::Get().UpdateMinisters();
    GetPolicyManager().AdvanceImplementation();

    ShowProgress("Rebuilding voters", 0.1f);
    if (CGlobalEconomy* economy = SpecialNeurons::GlobalEconomy())
        economy->Advance();
    SIM_Grudge::UpdateGrudges();
    if (turn > 2)
        SIM_EventManager::Get().PerTurn();

    ShowProgress("Neural Effects updating", 0.1f);
    NeuralEffect::UpdateAllEffects();

    ShowProgress("processing neural network", 0.1f);
    Neuron::RecalculateAll();

    ShowProgress("processing polls", 0.1f);
    TakePoll();
    Neuron::EndTurnAll();

    ShowProgress("calculating policy priorities", 0.1f);
    GetPolicyManager().ComputePopularity();
    screens.RefreshIcons();

    ShowProgress("processing voters", 0.2f);
    SIM_VoterManager::Get().UpdateVoters();
    SIM_VoterManager::Get().UpdateVoterTypes();
    SIM_Party::UpdateParties();
    SIM_PressureGroup::UpdatePressureGroups();

    if (turn > 2) {
        ShowProgress("assesing dilemmas", 0.1f);
        SIM_DilemmaManager::Get().PerTurn();
    }

    CFinances::Get().SettleMonth(turn);
    ActOnDebtCeiling();
    Calendar::Get().AdvanceTurn();
    ElectionManager& elections = ElectionManager::Get();
    bool electionHeld = false;
    if (!GameIsOver()) {
        elections.CheckElection();
        electionHeld = elections.ElectionThisTurn();
    }
    // Before the votes are counted, so this turn's tax moves count in them.
    CynicismTracker::Get().UpdateTurn();
    SIM_Cabinet::Get().TurnCapital();
    SIM_ReportManager::Get().BuildReports();
    NeuralEffect::SetInitialising(false);

    // The turn is over; only now are the votes counted.
    if (electionHeld)
        elections.HoldElection();
    if (!GameIsOver())
        EndOfTurnWindows(electionHeld);
    screens.SetFinished(true);
}

void TurnProcessor::StartIssuesAndReports()
{
    SIM_IssuesManager& issues = SIM_IssuesManager::Get();
    issues.Release();
    SIM_ReportManager::Get().Release();
    // A dilemma still waiting for its answer stays on the list.
    for (SIM_Dilemma* dilemma : SIM_DilemmaManager::Get().Pending())
        issues.Add(dilemma, ISSUE_DILEMMA);
}

// Past the ceiling the game is lost (the event's script says so); close to it
// the player is warned.
void TurnProcessor::ActOnDebtCeiling()
{
    switch (CFinances::Get().DebtCeilingState()) {
    case CFinances::DEBT_CEILING_REACHED:
        if (!GameIsOver())
            SIM_EventManager::Get().TriggerByName(kDebtCeilingEvent);
        break;
    case CFinances::DEBT_NEAR_CEILING:
        if (Neuron* debt = SpecialNeurons::Debt()) {
            Issue& warning = SIM_IssuesManager::Get().Add(debt, ISSUE_FINANCE_WARNING);
            warning.group = "ECONOMY";
            warning.text = "DEBT_CEILING_WARNING";
            warning.title = "DEBT_CEILING_WARNING_TITLE";
        }
        break;
    case CFinances::DEBT_BELOW_CEILING:
        break;
    }
}

void TurnProcessor::EndOfTurnWindows(bool electionHeld)
{
    Presentation& screens = Presentation::Current();
    const int turn = SimulationState::Get().TurnNumber();

    SIM_Manifesto::Get().CheckPledges();
    // The results window of an election turn stands in for the report and the music.
    if (turn > 2 && !electionHeld)
        screens.SetMusicMood(MoodFromVoteShare(OpinionPoll::Get().VoteShare()));
    screens.CloseReportWindow();
    if (turn > 2 && !electionHeld)
        screens.OpenReportWindow();
    if (ElectionManager::Get().MonthsUntilElection() == 3 && Options::Get().IsOn("ENABLEMANIFESTO"))
        screens.OpenManifestoChooser();
    AchievementList::Get().CheckAchievements();
    // Never in the election turn itself, whose date is already rescheduled by now.
    mAutosaveDue = Options::Get().IsOn("AUTOSAVE") && turn > 2 && !electionHeld;
}

void TurnProcessor::Autosave()
{
    mAutosaveMessage.clear();
    if (!mAutosaveDue)
        return;
    // A failed autosave keeps the last one and the game goes on; the message
    // waits for the screens to show it.
    SaveResult result = SaveGames::Save(SaveGames::kAutosaveName);
    if (!result.ok) {
        mAutosaveMessage = result.message;
        TRACE_MESSAGE("Autosave failed: " + result.message);
    }
}

void TurnProcessor::TakePoll()
{
    ShowProgress("Counting Votes...", 0.0f);
    OpinionPoll::Get().Take();
}

void TurnProcessor::ReleaseGame() { TearDownGame(); }

void TurnProcessor::TearDownGame()
{
    SIM_PressureGroup::DeleteAllPressureGroups();
    SIM_VoterManager::Get().DeleteAllVoters();
    SIM_VoterManager::Get().DeleteAllVoterTypes();
    for (SIM_Party* party : SIM_Party::AllParties())
        party->ForgetMembers();
    SIM_Party::DeleteParties();
    SetRunning(false);
    GameSubsystem::ReleaseAll();
    Neuron::ClearNetwork();
    NeuralEffect::ClearEffects();
    SetRunning(true);
}

void NextTurn() { TurnProcessor::Get().NextTurn(); }
void SetUpGame(const std::string& missionName) { TurnProcessor::Get().SetUpGame(missionName); }
void ShowProgress(const std::string& text, float increment) { TurnProcessor::Get().ShowProgress(text, increment); }

void TurnProcessor::BuildNetwork(const std::string& missionName)
{
    Presentation& screens = Presentation::Current();
    SimulationState& state = SimulationState::Get();
    SIM_VoterManager& voters = SIM_VoterManager::Get();
    const SIM_Mission& mission = SIM_Mission::Get();

    NeuralEffect::SetInitialising(true);
    // The chosen file is the truth; a path made from the name would miss a mod's mission.
    if (mission.FilePath().empty())
        state.SetMission(missionName);
    else
        state.SetMissionFile(mission.FilePath());
    state.SetGameOver(false);
    mAutosaveDue = false;
    // A failed autosave belongs to the game it failed in.
    mAutosaveMessage.clear();

    screens.ShowProcessingScreen(kLoadScreenPicture);
    // A new or loaded game deletes what the windows show.
    screens.CloseAllDialogs();
    screens.SetFinished(false);
    screens.NextQuotation();
    ShowProgress("Analayzing decisions", 0.1f);
    ShowProgress("Initialising game", 0.05f);

    // The icons go before the neurons they show.
    screens.ClearMainScreen();
    TearDownGame();

    SpecialNeurons::Create();
    SIM_Party::CreateParties();
    // The names typed on the new-game screen, kept by the mission.
    SIM_Party::NameParties(mission.PlayerPartyName(), mission.OppositionPartyName());
    NamePool::Get().LoadNames();

    ShowProgress("Initialising voters", 0.05f);
    voters.LoadVoterTypes();
    GetSimulation().LoadSimVals();
    GetPolicyManager().Init();
    ElectionManager::Get().SetElectionsWon(0);

    ShowProgress("Initialising simulation", 0.05f);
    GetSimulation().AttachToGroups();
    GetSituationManager().LoadSituations();
    GetPolicyManager().ReadPolicyFields();
    SIM_EventManager::Get().LoadEvents();
    // A modder's events come after the game's own, as the dilemmas do.
    for (const std::string& root : UserFolders::Get().ModRoots())
        SIM_EventManager::Get().LoadEvents(root + "/" + SIM_EventManager::kFolder);

    ShowProgress("Loading mission", 0.05f);
    // The uncancellable policies first, then the mission's own settings.
    mission.ApplySettings();
    AchievementList::Get().LoadAchievements();
    AchievementList::Get().LoadProfile();
    SIM_DilemmaManager::Get().LoadDilemmas(UserFolders::Get().UserFolder());
    CFinances::Get().InitFromMission(mission.StartingDebt(), mission.DebtCeiling());
    if (CGlobalEconomy* economy = SpecialNeurons::GlobalEconomy())
        economy->SetUp(mission.EconomicCycleStart(), Options::Get().GetFloat("GLOBALECONOMY"));
    ElectionManager::LoadTurnoutWeights();
    GetSimulation().CreatePendingEffects();
    Neuron::OrderNetwork();
    Neuron::RecalculateAll();
}

void TurnProcessor::SetUpGame(const std::string& missionName)
{
    Presentation& screens = Presentation::Current();
    SimulationState& state = SimulationState::Get();
    SIM_VoterManager& voters = SIM_VoterManager::Get();

    BuildNetwork(missionName);

    ShowProgress("Generating ministers", 0.05f);
    SIM_Cabinet::Get().CreateInitialPool();
    SIM_Cabinet::Get().FillCabinet();

    state.SetTurnNumber(0);
    SIM_PressureGroup::LoadPressureGroups();
    SIM_AttackEvent::LoadAttacks();
    voters.CreatePopulation();
    ElectionManager::Get().ScheduleNextElection();
    CynicismTracker::Get().Reset();
    Neuron::OrderNetwork();

    // The warm-up turns run the turn body itself: a modal window must not skip them.
    RunTurn();
    screens.SetFinished(false);
    RunTurn();
    screens.SetFinished(false);

    Neuron::ResetAllHistories();
    CFinances::Get().FillHistories();
    voters.WarmUpSympathies();
    SIM_PressureGroup::StartUp();
    SIM_IssuesManager::Get().Release();
    SIM_Cabinet::Get().StartCapital();
    screens.ShowPollDisplay();
    SIM_Manifesto::Get().ClearManifesto();
    screens.OpenStartDialog();
    screens.SetFinished(true);
}
