#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "engine/DebugLog.h"
#include "gamedata/CGlobalEconomy.h"
#include "gamedata/CFinances.h"
#include "gamedata/MissionList.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SetupSection.h"
#include "gamedata/SpecialNeurons.h"
#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_Party.h"
#include "politics/SIM_Voter.h"
#include "sim/Calendar.h"
#include "sim/GameConnections.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/OpinionPoll.h"
#include "sim/SimRandom.h"
#include "sim/SimulationState.h"
#include "sim/TurnProcessor.h"
#include "sim/TurnScreens.h"
#include "sim/TurnSteps.h"

namespace {

using Log = std::vector<std::string>;

// Writes every step of the later subsystems into one log, with what the
// built-in steps had done by then.
class RecordingSteps : public TurnSteps {
public:
    explicit RecordingSteps(Log& log) : mLog(log) {}
    void ReleaseIssuesAndReports() override { mLog.push_back("ReleaseIssuesAndReports"); }
    void UpdateMinisters() override { mLog.push_back("UpdateMinisters"); }
    void UpdateGrudges() override { mLog.push_back("UpdateGrudges"); }
    void EventsTurn() override { mLog.push_back("EventsTurn"); }
    void UpdatePressureGroups() override
    {
        // After the poll, before the settlement and the calendar.
        mLog.push_back("UpdatePressureGroups settled=" + std::to_string(CFinances::Get().MonthsElapsed()) +
                       " month=" + std::to_string(Calendar::Get().Month()));
    }
    void DilemmasTurn() override { mLog.push_back("DilemmasTurn"); }
    void UpdateCynicism() override
    {
        mLog.push_back("UpdateCynicism settled=" + std::to_string(CFinances::Get().MonthsElapsed()) +
                       " month=" + std::to_string(Calendar::Get().Month()));
    }
    void CompileReports() override { mLog.push_back("CompileReports"); }
    void CheckManifesto() override { mLog.push_back("CheckManifesto"); }
    void CheckAchievements() override { mLog.push_back("CheckAchievements"); }
    void Autosave() override { mLog.push_back("Autosave"); }
    void StartManifestoTerm() override { mLog.push_back("StartManifestoTerm"); }

    // Game setup.
    void ClearGrudgeList() override { mLog.push_back("ClearGrudgeList"); }
    void ReleaseReports() override { mLog.push_back("ReleaseReports"); }
    void LoadEvents() override { mLog.push_back("LoadEvents"); }
    void LoadAchievements() override { mLog.push_back("LoadAchievements"); }
    void LoadDilemmas() override { mLog.push_back("LoadDilemmas"); }
    void CreateMinisters() override { mLog.push_back("CreateMinisters"); }
    void LoadPressureGroups() override
    {
        // Before the population, with the turn number back at 0.
        mLog.push_back("LoadPressureGroups turn=" + std::to_string(SimulationState::Get().TurnNumber()) +
                       " voters=" + std::to_string(SIM_Voter::PopulationCount()));
    }
    void ResetCynicism() override
    {
        mLog.push_back("ResetCynicism voters=" + std::to_string(SIM_Voter::PopulationCount()));
    }
    void StartPressureGroups() override
    {
        mLog.push_back("StartPressureGroups turn=" + std::to_string(SimulationState::Get().TurnNumber()));
    }
    void EmptyIssues() override { mLog.push_back("EmptyIssues"); }
    void ResetManifesto() override { mLog.push_back("ResetManifesto"); }

private:
    Log& mLog;
};

class RecordingScreens : public TurnScreens {
public:
    explicit RecordingScreens(Log& log) : mLog(log) {}
    bool ModalWindowOpen() override { return modal; }
    void ShowProcessingScreen(const std::string& picture) override { mLog.push_back("ShowProcessingScreen " + picture); }
    void NextQuotation() override { mLog.push_back("NextQuotation"); }
    void SetProgress(const std::string& text, float value) override
    {
        mLog.push_back("progress " + text);
        progress.emplace_back(text, value);
    }
    void DrawFrame() override { ++frames; }
    void ShowProcessing() override { mLog.push_back("ShowProcessing"); }
    void SetFinished(bool finished) override { mLog.push_back(finished ? "finished" : "unfinished"); }
    void CloseEventDialog() override { mLog.push_back("CloseEventDialog"); }
    void CloseAllDialogs() override { mLog.push_back("CloseAllDialogs"); }
    void RefreshIcons() override { mLog.push_back("RefreshIcons"); }
    bool GameOverWindowOpen() override { return false; }
    void SetMusicMood(int mood) override { mLog.push_back("SetMusicMood " + std::to_string(mood)); }
    void CloseReportWindow() override { mLog.push_back("CloseReportWindow"); }
    void OpenReportWindow() override { mLog.push_back("OpenReportWindow"); }
    void OpenManifestoChooser() override { mLog.push_back("OpenManifestoChooser"); }
    void ClearMainScreen() override { mLog.push_back("ClearMainScreen"); }
    void ShowPollDisplay() override { mLog.push_back("ShowPollDisplay"); }
    void OpenStartDialog() override { mLog.push_back("OpenStartDialog"); }
    void OpenElectionResults() override
    {
        mLog.push_back("OpenElectionResults month=" + std::to_string(Calendar::Get().Month()));
        TurnScreens::OpenElectionResults();
    }

    bool modal = false;
    int frames = 0;
    // Each step's text with the progress value the screen showed for it.
    std::vector<std::pair<std::string, float>> progress;

private:
    Log& mLog;
};

// Installs the recorders and gives the turn an empty network to run over.
class TurnOrderTest : public NetworkTest {
protected:
    void SetUp() override
    {
        NetworkTest::SetUp();
        previousSteps = TurnSteps::Install(&steps);
        previousScreens = TurnScreens::Install(&screens);
        savedCalendar = Calendar::Get();
        Options::Get().Section().Clear();
        Options::Get().Section().Add("AUTOSAVE", "1");
        Options::Get().Section().Add("ENABLEMANIFESTO", "1");
        SpecialNeurons::Create();
        CFinances::Get().InitFromMission(0.0f, 100.0f);
        Calendar::Get().Set(0, 2000);
        ElectionManager::SetTermLengthMonths(48);
        ElectionManager::Get().ScheduleNextElection();
        SimulationState::Get().Reset();
        SimulationState::Get().SetTurnNumber(2);
    }
    void TearDown() override
    {
        TurnSteps::Install(previousSteps);
        TurnScreens::Install(previousScreens);
        Calendar::Get() = savedCalendar;
        Options::Get().Section().Clear();
        SimulationState::Get().Reset();
        NetworkTest::TearDown();
    }
    // The log without the step texts, for checks of one kind of entry.
    std::vector<std::string> Entries(const std::string& prefix) const
    {
        std::vector<std::string> found;
        for (const auto& entry : log)
            if (entry.rfind(prefix, 0) == 0)
                found.push_back(entry);
        return found;
    }

    Log log;
    RecordingSteps steps{log};
    RecordingScreens screens{log};
    TurnSteps* previousSteps = nullptr;
    TurnScreens* previousScreens = nullptr;
    Calendar savedCalendar;
};

TEST_F(TurnOrderTest, APlayersTurnRunsEveryStepInItsPlace)
{
    NextTurn();
    const Log expected = {
        "ShowProcessingScreen loadscreen.jpg",
        "unfinished",
        "CloseEventDialog",
        "NextQuotation",
        "progress Analayzing decisions",
        "CloseAllDialogs",
        "ShowProcessing",
        "ReleaseIssuesAndReports",
        "UpdateMinisters",
        "progress Rebuilding voters",
        "UpdateGrudges",
        "EventsTurn",
        "progress Neural Effects updating",
        "progress processing neural network",
        "progress processing polls",
        "progress Counting Votes...",
        "progress calculating policy priorities",
        "RefreshIcons",
        "progress processing voters",
        "UpdatePressureGroups settled=0 month=0",
        "progress assesing dilemmas",
        "DilemmasTurn",
        "UpdateCynicism settled=1 month=3",
        "CompileReports",
        "CheckManifesto",
        "SetMusicMood 0",
        "CloseReportWindow",
        "OpenReportWindow",
        "CheckAchievements",
        "Autosave",
        "finished",
    };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 3);
    EXPECT_EQ(screens.frames, 9);  // one frame per progress step
    EXPECT_FALSE(NeuralEffect::IsInitialising());
}

TEST_F(TurnOrderTest, TheFirstTwoTurnsHaveNoEventsDilemmasReportsOrAutosave)
{
    SimulationState::Get().SetTurnNumber(0);
    NextTurn();
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 2);
    EXPECT_TRUE(Entries("EventsTurn").empty());
    EXPECT_TRUE(Entries("DilemmasTurn").empty());
    EXPECT_TRUE(Entries("OpenReportWindow").empty());
    EXPECT_TRUE(Entries("Autosave").empty());
    EXPECT_TRUE(Entries("SetMusicMood").empty());
    // Turns that start from 0 and 1 show no quotation.
    EXPECT_TRUE(Entries("NextQuotation").empty());
    EXPECT_EQ(Entries("CloseReportWindow").size(), 2u);
}

TEST_F(TurnOrderTest, AModalWindowBlocksTheTurn)
{
    screens.modal = true;
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 2);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(Calendar::Get().Month(), 0);
}

TEST_F(TurnOrderTest, TheElectionIsCheckedAfterTheCalendarAndEndsTheGameWhenLost)
{
    Calendar::Get().Set(9, 2003);  // one turn before the election
    NextTurn();
    ASSERT_EQ(Entries("OpenElectionResults").size(), 1u);
    // Nobody voted: lost. The end-of-turn windows are skipped once the game is over.
    EXPECT_EQ(Entries("OpenElectionResults")[0], "OpenElectionResults month=0");
    EXPECT_TRUE(SimulationState::Get().IsGameOver());
    EXPECT_TRUE(Entries("CheckManifesto").empty());
    EXPECT_TRUE(Entries("OpenReportWindow").empty());
    EXPECT_TRUE(Entries("Autosave").empty());
    EXPECT_EQ(log.back(), "finished");
    // The cynicism and reports still run after the election check.
    auto election = std::find(log.begin(), log.end(), "OpenElectionResults month=0");
    auto manifesto = std::find(log.begin(), log.end(), "StartManifestoTerm");
    auto cynicism = std::find_if(log.begin(), log.end(), [](const std::string& e) { return e.rfind("UpdateCynicism", 0) == 0; });
    EXPECT_LT(election, manifesto);
    EXPECT_LT(manifesto, cynicism);

    // No further election is held once the game is over.
    log.clear();
    Calendar::Get().Set(0, 2008);
    NextTurn();
    EXPECT_TRUE(Entries("OpenElectionResults").empty());
}

TEST_F(TurnOrderTest, TheManifestoChooserOpensWithThreeMonthsToGoAndNoAutosaveInTheElectionMonth)
{
    Calendar::Get().Set(6, 2003);  // this turn ends at month 9, three months before
    NextTurn();
    EXPECT_EQ(Entries("OpenManifestoChooser").size(), 1u);
    log.clear();
    NextTurn();  // a fresh turn: month 0 of 2004, not the chooser again
    EXPECT_TRUE(Entries("OpenManifestoChooser").empty());

    Options::Get().Section().Clear();  // ENABLEMANIFESTO and AUTOSAVE off
    ElectionManager::Get().SetNextElection(0, 2010);
    Calendar::Get().Set(6, 2009);
    log.clear();
    NextTurn();
    EXPECT_TRUE(Entries("OpenManifestoChooser").empty());
    EXPECT_TRUE(Entries("Autosave").empty());
}

TEST_F(TurnOrderTest, ProgressWrapsPastOne)
{
    TurnProcessor& processor = TurnProcessor::Get();
    float start = processor.Progress();
    (void)start;
    for (int i = 0; i < 30; ++i) {
        ShowProgress("step", 0.1f);
        EXPECT_GE(processor.Progress(), 0.0f);
        EXPECT_LE(processor.Progress(), 1.0f);
    }
    EXPECT_EQ(processor.ProgressText(), "step");
}

TEST(OpinionPollTest, TheFirstPollFillsBothHistoriesAroundItsFigures)
{
    OpinionPoll poll;
    NeuralEffect::SetInitialising(true);
    poll.Record(0.6f, 0.4f);
    NeuralEffect::SetInitialising(false);
    EXPECT_FLOAT_EQ(poll.ApprovalHistory(0), 0.6f);
    EXPECT_FLOAT_EQ(poll.VoteShareHistory(0), 0.4f);
    bool varied = false;
    for (int i = 0; i < OpinionPoll::kHistorySize; ++i) {
        EXPECT_NEAR(poll.ApprovalHistory(i), 0.6f, 0.0201f);
        EXPECT_NEAR(poll.VoteShareHistory(i), 0.4f, 0.0201f);
        varied = varied || poll.ApprovalHistory(i) != 0.6f;
    }
    EXPECT_TRUE(varied);
    EXPECT_FLOAT_EQ(poll.BestApproval(), 0.6f);

    // Later polls shift the histories and keep the best.
    poll.Record(0.5f, 0.7f);
    EXPECT_FLOAT_EQ(poll.ApprovalHistory(0), 0.5f);
    EXPECT_FLOAT_EQ(poll.ApprovalHistory(1), 0.6f);
    EXPECT_FLOAT_EQ(poll.BestApproval(), 0.6f);
    EXPECT_FLOAT_EQ(poll.BestVoteShare(), 0.7f);
}

TEST_F(TurnOrderTest, ThePollFeedsWinningAndCountsTheVoters)
{
    std::vector<SIM_Voter*> voters;
    for (int i = 0; i < 4; ++i)
        voters.push_back(new SIM_Voter());
    // Opinion is the voter's value: two supporters, two not.
    voters[0]->SetValue(0.9f);
    voters[1]->SetValue(0.7f);
    voters[2]->SetValue(0.5f);  // exactly 0.5 does not support
    voters[3]->SetValue(0.1f);
    OpinionPoll::Get().Reset();
    OpinionPoll::Get().Take();
    EXPECT_NEAR(OpinionPoll::Get().Approval(), 0.55f, 1e-6f);
    EXPECT_FLOAT_EQ(OpinionPoll::Get().VoteShare(), 0.5f);
    EXPECT_NEAR(SpecialNeurons::Winning()->GetValue(), 0.55f, 1e-6f);
    EXPECT_FLOAT_EQ(SpecialNeurons::Winning()->GetBaseValue(), 0.5f);
    OpinionPoll::Get().Reset();
}

TEST_F(TurnOrderTest, APollOfNobodyKeepsItsFiguresAndStaysANumber)
{
    OpinionPoll::Get().Reset();
    OpinionPoll::Get().Take();
    EXPECT_FLOAT_EQ(OpinionPoll::Get().Approval(), 0.5f);
    EXPECT_FLOAT_EQ(OpinionPoll::Get().VoteShare(), 0.5f);
    OpinionPoll::Get().Reset();
}

// --- whole games on the first data set, with a small population

class WholeGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string setup;
        ASSERT_TRUE(PlatformFiles::ReadFile("data/data.ini", setup));
        std::string out;
        std::istringstream lines(setup);
        std::string line;
        while (std::getline(lines, line))
            out += (line.rfind("AIENTITIES=", 0) == 0 ? std::string("AIENTITIES=300") : line) + "\n";
        setupFile = dir.Path() + "/data.ini";
        std::ofstream(setupFile) << out;
        UserFolders::Get().SetBaseFolder(dir.Path());
        UserFolders::Get().Create();
        SetupSection::Load(setupFile);
        Options::Get().Load();
        SetRunning(true);
    }
    void TearDown() override
    {
        TurnProcessor::Get().ReleaseGame();
        GameConnections::Uninstall();
        Options::Get().Load();  // a test may have changed an option
        SetupSection::Load();
        SimulationState::Get().Reset();
    }
    void StartGame(uint32_t seed)
    {
        std::vector<MissionChoice> missions = MissionList::List("");
        ASSERT_FALSE(missions.empty());
        SIM_Mission& mission = SIM_Mission::Get();
        mission.Clear();
        mission.SetFile(missions[0].path);
        mission.Load();
        ElectionManager::SetTermLengthYears(mission.TermLength());
        Calendar::Get().Set(0, 0);
        SimRandom::Seed(seed);
        SetUpGame("test");
    }
    // Every neuron's value and the figures the runner prints.
    std::vector<float> Snapshot() const
    {
        std::vector<float> values;
        for (Neuron* neuron : Neuron::All())
            values.push_back(neuron->GetValue());
        values.push_back(OpinionPoll::Get().Approval());
        values.push_back(OpinionPoll::Get().VoteShare());
        values.push_back(CFinances::Get().NationalDebt());
        values.push_back(CFinances::Get().CurrentBalance());
        return values;
    }

    TempDir dir;
    std::string setupFile;
};

TEST_F(WholeGameTest, SetupEndsAtTurnTwoWithThePopulationAndTheNextElection)
{
    StartGame(1);
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 2);
    EXPECT_EQ(SIM_Voter::PopulationCount(), 300u);
    EXPECT_FALSE(NeuralEffect::IsInitialising());
    EXPECT_EQ(Calendar::Get().Month(), 6);
    EXPECT_EQ(ElectionManager::Get().MonthsUntilElection(), 42);
    ASSERT_NE(SIM_Party::GetPlayersParty(), nullptr);
    EXPECT_EQ(SIM_Party::GetPlayersParty()->Name(), SIM_Mission::Get().PlayerPartyName());
    EXPECT_NE(Neuron::FindNeuronQuietly("PlayersParty"), nullptr);
    EXPECT_EQ(SimulationState::Get().MissionPath(), "data/missions/test.txt");
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 3);
}

TEST_F(WholeGameTest, AModalWindowCannotSkipTheWarmUpTurns)
{
    class ModalScreens : public TurnScreens {
    public:
        bool ModalWindowOpen() override { return true; }
    } modal;
    TurnScreens* previous = TurnScreens::Install(&modal);
    StartGame(1);
    TurnScreens::Install(previous);
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 2);
}

TEST_F(WholeGameTest, TheSameSeedPlaysTheSameGameAndAnotherSeedDoesNot)
{
    StartGame(1);
    for (int i = 0; i < 8; ++i)
        NextTurn();
    std::vector<float> first = Snapshot();
    StartGame(1);
    for (int i = 0; i < 8; ++i)
        NextTurn();
    std::vector<float> again = Snapshot();
    StartGame(2);
    for (int i = 0; i < 8; ++i)
        NextTurn();
    std::vector<float> other = Snapshot();
    ASSERT_EQ(first.size(), again.size());
    for (size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(first[i], again[i]) << "entry " << i;
    EXPECT_NE(first, other);
}

TEST_F(WholeGameTest, NoNumberInTheNetworkGoesBadIn200Turns)
{
    StartGame(3);
    for (int turn = 0; turn < 200; ++turn)
        NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 202);
    for (Neuron* neuron : Neuron::All()) {
        ASSERT_TRUE(std::isfinite(neuron->GetValue())) << neuron->GetName();
        ASSERT_TRUE(std::isfinite(neuron->GetBaseValue())) << neuron->GetName();
        for (int i = 0; i < Neuron::kHistorySize; ++i)
            ASSERT_TRUE(std::isfinite(neuron->History(i))) << neuron->GetName();
    }
    for (NeuralEffect* effect : NeuralEffect::All())
        ASSERT_TRUE(std::isfinite(effect->GetOutput()));
    const CFinances& finances = CFinances::Get();
    EXPECT_TRUE(std::isfinite(finances.NationalDebt()));
    EXPECT_TRUE(std::isfinite(finances.CurrentBalance()));
    EXPECT_GE(finances.NationalDebt(), 0.0f);
    EXPECT_GE(finances.CurrentBalance(), 0.0f);
    EXPECT_TRUE(std::isfinite(OpinionPoll::Get().Approval()));
    EXPECT_GE(ElectionManager::Get().ElectionsHeld(), 1);
}

// The increment each progress step adds after it is shown.
float IncrementOf(const std::string& text)
{
    static const std::vector<std::pair<std::string, float>> increments = {
        {"Analayzing decisions", 0.1f},       {"Initialising game", 0.05f},
        {"Initialising voters", 0.05f},       {"Initialising simulation", 0.05f},
        {"Loading mission", 0.05f},           {"Generating ministers", 0.05f},
        {"Rebuilding voters", 0.1f},          {"Neural Effects updating", 0.1f},
        {"processing neural network", 0.1f},  {"processing polls", 0.1f},
        {"Counting Votes...", 0.0f},          {"calculating policy priorities", 0.1f},
        {"processing voters", 0.2f},          {"assesing dilemmas", 0.1f},
    };
    for (const auto& [step, increment] : increments)
        if (step == text)
            return increment;
    ADD_FAILURE() << "unexpected progress step: " << text;
    return 0.0f;
}

// A whole setup with the recorders in place.
class RecordedGameTest : public WholeGameTest {
protected:
    void SetUp() override
    {
        WholeGameTest::SetUp();
        previousSteps = TurnSteps::Install(&steps);
        previousScreens = TurnScreens::Install(&screens);
    }
    void TearDown() override
    {
        TurnSteps::Install(previousSteps);
        TurnScreens::Install(previousScreens);
        DebugLog::SetObserver(nullptr);
        WholeGameTest::TearDown();
    }

    Log log;
    RecordingSteps steps{log};
    RecordingScreens screens{log};
    TurnSteps* previousSteps = nullptr;
    TurnScreens* previousScreens = nullptr;
};

TEST_F(RecordedGameTest, SetupRunsEveryStepInItsPlaceAroundTwoWholeTurns)
{
    StartGame(1);
    ASSERT_FALSE(HasFailure());

    // The two warm-up turns are whole turns: each from the processing screen to "finished".
    auto turnStart = [&](Log::const_iterator from) {
        return std::find(from, log.cend(), "CloseEventDialog");
    };
    auto first = turnStart(log.cbegin());
    ASSERT_NE(first, log.cend());
    auto second = turnStart(first + 1);
    ASSERT_NE(second, log.cend());
    ASSERT_EQ(turnStart(second + 1), log.cend());

    // Each turn opens with the processing screen, two entries before its first dialog step.
    const Log before(log.cbegin(), first - 2);
    const Log expectedBefore = {
        "ClearGrudgeList",
        "ShowProcessingScreen loadscreen.jpg",
        "unfinished",
        "NextQuotation",
        "progress Analayzing decisions",
        "progress Initialising game",
        "ClearMainScreen",
        "ReleaseReports",
        "progress Initialising voters",
        "progress Initialising simulation",
        "LoadEvents",
        "progress Loading mission",
        "LoadAchievements",
        "LoadDilemmas",
        "progress Generating ministers",
        "CreateMinisters",
        "LoadPressureGroups turn=0 voters=0",
        "ResetCynicism voters=300",
    };
    EXPECT_EQ(before, expectedBefore);

    const Log firstTurn(first - 2, second - 2);
    const Log expectedWarmUp = {
        "ShowProcessingScreen loadscreen.jpg",
        "unfinished",
        "CloseEventDialog",
        "CloseAllDialogs",
        "ShowProcessing",
        "ReleaseIssuesAndReports",
        "UpdateMinisters",
        "progress Rebuilding voters",
        "UpdateGrudges",
        "progress Neural Effects updating",
        "progress processing neural network",
        "progress processing polls",
        "progress Counting Votes...",
        "progress calculating policy priorities",
        "RefreshIcons",
        "progress processing voters",
        "UpdatePressureGroups settled=0 month=0",
        "UpdateCynicism settled=1 month=3",
        "CompileReports",
        "CheckManifesto",
        "CloseReportWindow",
        "CheckAchievements",
        "finished",
        "unfinished",
    };
    EXPECT_EQ(firstTurn, expectedWarmUp);

    auto afterTurns = std::find(second, log.cend(), "finished");
    ASSERT_NE(afterTurns, log.cend());
    const Log after(afterTurns, log.cend());
    const Log expectedAfter = {
        "finished",
        "unfinished",
        "StartPressureGroups turn=2",
        "EmptyIssues",
        "ShowPollDisplay",
        "ResetManifesto",
        "OpenStartDialog",
        "finished",
    };
    EXPECT_EQ(after, expectedAfter);
}

TEST_F(RecordedGameTest, EveryProgressStepIsLoggedShownAndThenAddsItsIncrement)
{
    Log logged;
    DebugLog::SetObserver([&](const std::string& line) { logged.push_back(line); });
    StartGame(1);
    NextTurn();
    DebugLog::SetObserver(nullptr);

    const auto& shown = screens.progress;
    ASSERT_GT(shown.size(), 20u);
    for (size_t i = 0; i + 1 < shown.size(); ++i) {
        float next = shown[i].second + IncrementOf(shown[i].first);
        if (next > 1.0f)
            next = 0.0f;
        EXPECT_FLOAT_EQ(shown[i + 1].second, next) << "after " << shown[i].first << " (step " << i << ")";
        EXPECT_GE(shown[i].second, 0.0f);
        EXPECT_LE(shown[i].second, 1.0f);
    }
    // Every step is written to the debug log, in the order shown, and each turn starts with the banner.
    std::vector<std::string> loggedSteps;
    for (const auto& line : logged)
        if (std::any_of(shown.begin(), shown.end(), [&](const auto& step) { return step.first == line; }))
            loggedSteps.push_back(line);
    ASSERT_EQ(loggedSteps.size(), shown.size());
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(loggedSteps[i], shown[i].first);
    EXPECT_EQ(std::count_if(logged.begin(), logged.end(),
                            [](const std::string& line) { return line.find("Processing new turn") != std::string::npos; }),
              3);
}

TEST_F(WholeGameTest, TheEconomyOptionsReachTheCycleAndTheFinances)
{
    Options::Get().SetFloat("GLOBALECONOMY", 0.0f);
    StartGame(1);
    ASSERT_NE(SpecialNeurons::GlobalEconomy(), nullptr);
    EXPECT_FLOAT_EQ(SpecialNeurons::GlobalEconomy()->Amplitude(), 0.0f);
    EXPECT_FLOAT_EQ(SpecialNeurons::GlobalEconomy()->GetValue(), 0.0f);

    Options::Get().SetFloat("GLOBALECONOMY", 0.75f);
    StartGame(1);
    EXPECT_FLOAT_EQ(SpecialNeurons::GlobalEconomy()->Amplitude(), 0.75f);
    EXPECT_NEAR(SpecialNeurons::GlobalEconomy()->Phase(),
                SIM_Mission::Get().EconomicCycleStart() + 2.0f / 24.0f, 1e-5f);  // two warm-up turns on

    // DIFFICULTY reaches every cost and income, clamped to 0..1.
    Options::Get().SetFloat("DIFFICULTY", 0.0f);
    EXPECT_FLOAT_EQ(GameConnections::EffectiveDifficulty(), 0.0f);
    Options::Get().SetFloat("DIFFICULTY", 1.5f);
    EXPECT_FLOAT_EQ(GameConnections::EffectiveDifficulty(), 1.0f);
    Options::Get().SetFloat("DIFFICULTY", -0.5f);
    EXPECT_FLOAT_EQ(GameConnections::EffectiveDifficulty(), 0.0f);
    CFinances::Get().ComputeMonth();
    float easyIncome = CFinances::Get().MonthlyIncome();
    Options::Get().SetFloat("DIFFICULTY", 1.0f);
    CFinances::Get().ComputeMonth();
    EXPECT_NEAR(CFinances::Get().MonthlyIncome(), easyIncome * 0.8f / 1.2f, std::fabs(easyIncome) * 1e-4f);

    // INTERESTRATE 1.0 is 20 % a year on the debt.
    Options::Get().SetFloat("INTERESTRATE", 1.0f);
    CFinances::Get().ComputeMonth();
    EXPECT_NEAR(CFinances::Get().MonthlyInterest(), CFinances::Get().NationalDebt() * 0.2f / 12.0f,
                CFinances::Get().NationalDebt() * 1e-6f);
}

}  // namespace
