#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "RecordingPresentation.h"
#include "TestSupport.h"
#include "WholeGameTest.h"
#include "engine/DebugLog.h"
#include "gamedata/CFinances.h"
#include "gamedata/CGlobalEconomy.h"
#include "gamedata/Difficulty.h"
#include "gamedata/MissionList.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SetupSection.h"
#include "gamedata/SpecialNeurons.h"
#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"
#include "politics/ElectionCount.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_Party.h"
#include "politics/SIM_Voter.h"
#include "sim/Calendar.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/OpinionPoll.h"
#include "sim/SimRandom.h"
#include "sim/SimulationState.h"
#include "sim/TurnProcessor.h"

namespace {

// The screens as a turn leaves them, and the calendar at each progress step.
class TurnScreensRecorder : public RecordingPresentation {
public:
    void SetProgress(const std::string& text, float value) override
    {
        progress.push_back({text, value, Calendar::Get().Month()});
    }
    void OpenManifestoChooser() override { ++manifestoChoosers; }
    void NextQuotation() override { ++quotations; }
    void SetFinished(bool done) override { finished = done; }

    struct Step {
        std::string text;
        float value;
        int month;
    };
    std::vector<Step> progress;
    int manifestoChoosers = 0;
    int quotations = 0;
    bool finished = false;
};

// A turn on an empty network: the built-in steps only.
class TurnOrderTest : public NetworkTest {
protected:
    void SetUp() override
    {
        NetworkTest::SetUp();
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
        Calendar::Get() = savedCalendar;
        Options::Get().Section().Clear();
        SimulationState::Get().Reset();
        NetworkTest::TearDown();
    }

    TurnScreensRecorder screens;
    Calendar savedCalendar;
};

TEST_F(TurnOrderTest, APlayersTurnMovesTheCalendarOnAndEndsWithItsWindows)
{
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 3);
    EXPECT_EQ(Calendar::Get().Month(), 3);
    EXPECT_TRUE(screens.finished);
    EXPECT_FALSE(NeuralEffect::IsInitialising());
    // Every progress step draws a frame, and the calendar moves only after them all.
    EXPECT_EQ(static_cast<size_t>(screens.frames), screens.progress.size());
    for (const auto& step : screens.progress)
        EXPECT_EQ(step.month, 0) << step.text;
    EXPECT_EQ(screens.reportWindows, 1);
    EXPECT_EQ(screens.moods.size(), 1u);
    EXPECT_EQ(screens.quotations, 1);
    EXPECT_TRUE(TurnProcessor::Get().AutosaveDue());
}

TEST_F(TurnOrderTest, TheWarmUpTurnsOpenNoWindowsAndNeverAutosave)
{
    SimulationState::Get().SetTurnNumber(0);
    NextTurn();
    EXPECT_FALSE(TurnProcessor::Get().AutosaveDue());
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 2);
    EXPECT_EQ(screens.reportWindows, 0);
    EXPECT_TRUE(screens.moods.empty());
    EXPECT_EQ(screens.quotations, 0) << "turns from 0 and 1 show no quotation";
    EXPECT_FALSE(TurnProcessor::Get().AutosaveDue());
}

TEST_F(TurnOrderTest, AModalWindowBlocksTheTurn)
{
    screens.modalOpen = true;
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 2);
    EXPECT_TRUE(screens.progress.empty());
    EXPECT_EQ(Calendar::Get().Month(), 0);
}

TEST_F(TurnOrderTest, TheElectionFallsInTheTurnThatReachesItsDateAndIsCountedAfterTheTurn)
{
    Calendar::Get().Set(9, 2003);  // the calendar reaches the election during this turn
    int held = ElectionManager::Get().ElectionsHeld();
    NextTurn();
    ASSERT_EQ(screens.electionResults.size(), 1u);
    EXPECT_EQ(ElectionManager::Get().ElectionsHeld(), held + 1);
    // Counted on the new date, then rescheduled a term on.
    EXPECT_EQ(screens.electionResults[0].month, 0);
    EXPECT_EQ(screens.electionResults[0].year, 2004);
    EXPECT_EQ(ElectionManager::Get().NextElectionYear(), 2008);
    // Nobody voted: lost, and the end-of-turn windows are skipped.
    EXPECT_TRUE(SimulationState::Get().IsGameOver());
    EXPECT_EQ(screens.reportWindows, 0);
    EXPECT_FALSE(TurnProcessor::Get().AutosaveDue());
    EXPECT_TRUE(screens.finished);

    // No further election once the game is over.
    Calendar::Get().Set(0, 2008);
    NextTurn();
    EXPECT_EQ(screens.electionResults.size(), 1u);
}

TEST_F(TurnOrderTest, AWonElectionTurnShowsTheResultsInsteadOfTheReportAndSkipsTheAutosave)
{
    // One voter, who votes for the player.
    ElectionCount::Electorate electorate;
    electorate.size = [] { return size_t{1}; };
    electorate.decide = [](size_t, int& vote, float& preference) {
        vote = ElectionCount::VOTE_PLAYER;
        preference = 1.0f;
    };
    ElectionCount::SetElectorate(electorate);
    Calendar::Get().Set(9, 2003);
    NextTurn();
    ElectionCount::UsePopulation();
    ASSERT_EQ(screens.electionResults.size(), 1u);
    EXPECT_TRUE(screens.electionResults[0].won);
    EXPECT_FALSE(SimulationState::Get().IsGameOver());
    EXPECT_EQ(screens.reportWindows, 0);
    EXPECT_TRUE(screens.moods.empty());
    EXPECT_FALSE(TurnProcessor::Get().AutosaveDue()) << "the election turn is compared with its own date";
}

TEST_F(TurnOrderTest, TheManifestoChooserOpensWithThreeMonthsToGo)
{
    Calendar::Get().Set(6, 2003);  // this turn ends at month 9, three months before
    NextTurn();
    EXPECT_EQ(screens.manifestoChoosers, 1);
    screens.manifestoChoosers = 0;
    ElectionManager::Get().SetNextElection(0, 2010);
    Calendar::Get().Set(6, 2009);
    Options::Get().Section().Clear();  // ENABLEMANIFESTO and AUTOSAVE off
    NextTurn();
    EXPECT_EQ(screens.manifestoChoosers, 0);
    EXPECT_FALSE(TurnProcessor::Get().AutosaveDue());
}

TEST_F(TurnOrderTest, ProgressWrapsPastOne)
{
    TurnProcessor& processor = TurnProcessor::Get();
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
    RecordingPresentation modal;
    modal.modalOpen = true;
    StartGame(1);
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

TEST_F(WholeGameTest, SettingUpAGamePumpsFramesWhileThePopulationIsCreated)
{
    TurnScreensRecorder screens;
    StartGame(1);
    // A frame for each progress step, and one for every 51 voters created.
    EXPECT_EQ(static_cast<size_t>(screens.frames), screens.progress.size() + 300 / 51);
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
    EXPECT_FLOAT_EQ(Difficulty::Current(), 0.0f);
    Options::Get().SetFloat("DIFFICULTY", 1.5f);
    EXPECT_FLOAT_EQ(Difficulty::Current(), 1.0f);
    Options::Get().SetFloat("DIFFICULTY", -0.5f);
    EXPECT_FLOAT_EQ(Difficulty::Current(), 0.0f);
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
