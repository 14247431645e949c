#include "sim/TurnProcessor.h"

#include "engine/DebugLog.h"
#include "engine/GameSubsystem.h"
#include "gamedata/CFinances.h"
#include "gamedata/CGlobalEconomy.h"
#include "gamedata/NamePool.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SpecialNeurons.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_Party.h"
#include "politics/SIM_Voter.h"
#include "politics/SIM_VoterManager.h"
#include "sim/CSimulation.h"
#include "sim/GameConnections.h"
#include "sim/Calendar.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/OpinionPoll.h"
#include "sim/PoliticalCapital.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_SituationManager.h"
#include "sim/SimulationState.h"
#include "sim/TurnScreens.h"
#include "sim/TurnSteps.h"

namespace {
constexpr const char* kTurnBanner =
    "==========================================Processing new turn====================================";

bool GameIsOver()
{
    return TurnScreens::Current().GameOverWindowOpen() || SimulationState::Get().IsGameOver();
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
    TurnScreens::Current().SetProgress(mProgressText, mProgress);
    TurnScreens::Current().DrawFrame();
    mProgress += increment;
    if (mProgress > 1.0f)
        mProgress = 0.0f;
}

void TurnProcessor::NextTurn()
{
    if (TurnScreens::Current().ModalWindowOpen())
        return;
    RunTurn();
}

void TurnProcessor::RunTurn()
{
    TurnScreens& screens = TurnScreens::Current();
    TurnSteps& steps = TurnSteps::Current();
    SimulationState& state = SimulationState::Get();

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

    steps.ReleaseIssuesAndReports();
    steps.UpdateMinisters();
    GetPolicyManager().AdvanceImplementation();

    ShowProgress("Rebuilding voters", 0.1f);
    if (CGlobalEconomy* economy = SpecialNeurons::GlobalEconomy())
        economy->Advance();
    steps.UpdateGrudges();
    if (turn > 2)
        steps.EventsTurn();

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
    steps.UpdatePressureGroups();

    if (turn > 2) {
        ShowProgress("assesing dilemmas", 0.1f);
        steps.DilemmasTurn();
    }

    CFinances::Get().SettleMonth(turn);
    Calendar::Get().AdvanceTurn();
    if (!GameIsOver())
        ElectionManager::Get().CheckElection();
    steps.UpdateCynicism();
    GetPoliticalCapital().TurnCapital();
    steps.CompileReports();
    NeuralEffect::SetInitialising(false);

    if (!GameIsOver())
        EndOfTurnWindows();
    screens.SetFinished(true);
}

void TurnProcessor::EndOfTurnWindows()
{
    TurnScreens& screens = TurnScreens::Current();
    TurnSteps& steps = TurnSteps::Current();
    const int turn = SimulationState::Get().TurnNumber();
    ElectionManager& elections = ElectionManager::Get();

    steps.CheckManifesto();
    if (turn > 2 && !screens.ElectionResultsWindowOpen())
        screens.SetMusicMood(MoodFromVoteShare(OpinionPoll::Get().VoteShare()));
    screens.CloseReportWindow();
    if (turn > 2 && !screens.ElectionResultsWindowOpen())
        screens.OpenReportWindow();
    if (elections.MonthsUntilElection() == 3 && Options::Get().IsOn("ENABLEMANIFESTO"))
        screens.OpenManifestoChooser();
    steps.CheckAchievements();
    const Calendar& calendar = Calendar::Get();
    bool electionMonth =
        calendar.Month() == elections.NextElectionMonth() && calendar.Year() == elections.NextElectionYear();
    if (Options::Get().IsOn("AUTOSAVE") && turn > 2 && !electionMonth)
        steps.Autosave();
}

void TurnProcessor::TakePoll()
{
    ShowProgress("Counting Votes...", 0.0f);
    OpinionPoll::Get().Take();
}

void TurnProcessor::ReleaseGame()
{
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

void TurnProcessor::SetUpGame(const std::string& missionName)
{
    TurnScreens& screens = TurnScreens::Current();
    TurnSteps& steps = TurnSteps::Current();
    SimulationState& state = SimulationState::Get();
    SIM_VoterManager& voters = SIM_VoterManager::Get();
    const SIM_Mission& mission = SIM_Mission::Get();
    GameConnections::Install();

    voters.DeleteAllVoters();
    voters.DeleteAllVoterTypes();
    for (SIM_Party* party : SIM_Party::AllParties())
        party->ForgetMembers();
    NeuralEffect::SetInitialising(true);
    state.SetMission(missionName);
    state.SetGameOver(false);
    steps.ClearGrudgeList();

    screens.ShowProcessingScreen(kLoadScreenPicture);
    screens.SetFinished(false);
    screens.NextQuotation();
    ShowProgress("Analayzing decisions", 0.1f);
    ShowProgress("Initialising game", 0.05f);

    screens.ClearMainScreen();
    SIM_Party::DeleteParties();

    SetRunning(false);
    GameSubsystem::ReleaseAll();
    Neuron::ClearNetwork();
    NeuralEffect::ClearEffects();
    SetRunning(true);

    SpecialNeurons::Create();
    SIM_Party::CreateParties();
    // The names typed on the new-game screen, kept by the mission.
    SIM_Party::NameParties(mission.PlayerPartyName(), mission.OppositionPartyName());
    steps.ReleaseReports();
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
    steps.LoadEvents();

    ShowProgress("Loading mission", 0.05f);
    // The uncancellable policies first, then the mission's own settings.
    mission.ApplySettings();
    steps.LoadAchievements();
    steps.LoadDilemmas();
    CFinances::Get().InitFromMission(mission.StartingDebt(), mission.DebtCeiling());
    if (CGlobalEconomy* economy = SpecialNeurons::GlobalEconomy())
        economy->SetUp(mission.EconomicCycleStart(), Options::Get().GetFloat("GLOBALECONOMY"));
    ElectionManager::LoadTurnoutWeights();
    GetSimulation().CreatePendingEffects();
    Neuron::OrderNetwork();
    Neuron::RecalculateAll();

    ShowProgress("Generating ministers", 0.05f);
    steps.CreateMinisters();

    state.SetTurnNumber(0);
    steps.LoadPressureGroups();
    voters.CreatePopulation();
    ElectionManager::Get().ScheduleNextElection();
    steps.ResetCynicism();
    Neuron::OrderNetwork();

    // The warm-up turns run the turn body itself: a modal window must not skip them.
    RunTurn();
    screens.SetFinished(false);
    RunTurn();
    screens.SetFinished(false);

    Neuron::ResetAllHistories();
    CFinances::Get().FillHistories();
    voters.WarmUpSympathies();
    steps.StartPressureGroups();
    steps.EmptyIssues();
    GetPoliticalCapital().StartCapital();
    screens.ShowPollDisplay();
    steps.ResetManifesto();
    screens.OpenStartDialog();
    screens.SetFinished(true);
}
