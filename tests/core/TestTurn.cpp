#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "RecordingPresentation.h"
#include "TestSupport.h"
#include "WholeGameTest.h"
#include "gamedata/CFinances.h"
#include "gamedata/CGlobalEconomy.h"
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
        SIM_Mission::Get().Clear();
        NetworkTest::TearDown();
    }

    RecordingPresentation screens;
    Calendar savedCalendar;
};

TEST_F(TurnOrderTest, WarmUpTurnsOpenNoWindowsAndAPlayersTurnEndsWithThem)
{
    SimulationState::Get().SetTurnNumber(0);
    NextTurn();
    EXPECT_FALSE(TurnProcessor::Get().AutosaveDue());
    NextTurn();
    EXPECT_EQ(screens.reportWindows, 0);
    EXPECT_TRUE(screens.moods.empty());
    EXPECT_EQ(screens.quotations, 0) << "turns from 0 and 1 show no quotation";
    EXPECT_FALSE(TurnProcessor::Get().AutosaveDue());

    screens.frames = 0;
    screens.progressMonths.clear();
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 3);
    EXPECT_EQ(Calendar::Get().Month(), 9);
    EXPECT_TRUE(screens.finished);
    EXPECT_FALSE(NeuralEffect::IsInitialising());
    // Every progress step draws a frame, and the calendar moves only after them all.
    EXPECT_EQ(static_cast<size_t>(screens.frames), screens.progressMonths.size());
    EXPECT_EQ(screens.progressMonths, std::vector<int>(screens.progressMonths.size(), 6));
    EXPECT_TRUE(screens.electionResults.empty());
    EXPECT_EQ(screens.reportWindows, 1);
    EXPECT_EQ(screens.moods.size(), 1u);
    EXPECT_EQ(screens.quotations, 1);
    EXPECT_TRUE(TurnProcessor::Get().AutosaveDue());

    // A modal window blocks the player's turn.
    screens.modalOpen = true;
    screens.progressMonths.clear();
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 3);
    EXPECT_TRUE(screens.progressMonths.empty());
    EXPECT_EQ(Calendar::Get().Month(), 9);
}

TEST_F(TurnOrderTest, TheElectionFallsInTheTurnThatReachesItsDateAndIsCountedAfterTheTurn)
{
    for (bool won : {true, false}) {
        SCOPED_TRACE(won ? "won" : "lost");
        RecordingPresentation screens;
        SimulationState::Get().Reset();
        SimulationState::Get().SetTurnNumber(2);
        Calendar::Get().Set(0, 2000);
        ElectionManager::Get().ScheduleNextElection();
        // One voter who must vote and likes the government, or nobody.
        SIM_Mission::Get().Clear();
        SIM_Mission::Get().AddModule("CompulsoryVoting");
        SIM_Voter* voter = won ? new SIM_Voter() : nullptr;
        if (voter) {
            voter->SetBaseValue(1.0f);
            voter->SetValue(1.0f);
        }
        Calendar::Get().Set(9, 2003);  // the calendar reaches the election during this turn
        int held = ElectionManager::Get().ElectionsHeld();
        NextTurn();
        ASSERT_EQ(screens.electionResults.size(), 1u);
        EXPECT_EQ(screens.electionResults[0].won, won);
        EXPECT_EQ(ElectionManager::Get().ElectionsHeld(), held + 1);
        // Counted on the new date, then rescheduled a term on.
        EXPECT_EQ(screens.electionResults[0].month, 0);
        EXPECT_EQ(screens.electionResults[0].year, 2004);
        EXPECT_EQ(ElectionManager::Get().NextElectionYear(), 2008);
        EXPECT_EQ(SimulationState::Get().IsGameOver(), !won);
        // The results window replaces the end-of-turn windows.
        EXPECT_EQ(screens.reportWindows, 0);
        EXPECT_TRUE(screens.moods.empty());
        EXPECT_FALSE(TurnProcessor::Get().AutosaveDue()) << "the election turn is compared with its own date";
        EXPECT_TRUE(screens.finished);
        if (won) {
            NextTurn();  // counted once: the next turn holds none
            EXPECT_EQ(screens.electionResults.size(), 1u);
        }
        delete voter;
    }
    // No further election once the game is over.
    RecordingPresentation screens;
    Calendar::Get().Set(0, 2008);
    NextTurn();
    EXPECT_TRUE(screens.electionResults.empty());
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

TEST(OpinionPollTest, TheFirstPollFillsBothHistoriesAroundItsFiguresAndLaterOnesShiftThem)
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
    poll.Record(0.5f, 0.7f);
    EXPECT_FLOAT_EQ(poll.ApprovalHistory(1), 0.6f);
    EXPECT_FLOAT_EQ(poll.BestApproval(), 0.6f);
    EXPECT_FLOAT_EQ(poll.BestVoteShare(), 0.7f);
}

TEST_F(TurnOrderTest, ThePollFeedsWinningAndCountsTheVoters)
{
    OpinionPoll::Get().Reset();
    OpinionPoll::Get().Take();  // nobody: the figures stay, no division by zero
    EXPECT_FLOAT_EQ(OpinionPoll::Get().Approval(), 0.5f);
    EXPECT_FLOAT_EQ(OpinionPoll::Get().VoteShare(), 0.5f);
    // Opinion is the voter's value; exactly 0.5 does not support.
    for (float opinion : {0.9f, 0.7f, 0.5f, 0.1f})
        (new SIM_Voter())->SetValue(opinion);
    OpinionPoll::Get().Take();
    EXPECT_NEAR(OpinionPoll::Get().Approval(), 0.55f, 1e-6f);
    EXPECT_FLOAT_EQ(OpinionPoll::Get().VoteShare(), 0.5f);
    EXPECT_NEAR(SpecialNeurons::Winning()->GetValue(), 0.55f, 1e-6f);
    EXPECT_FLOAT_EQ(SpecialNeurons::Winning()->GetBaseValue(), 0.5f);
    OpinionPoll::Get().Reset();
}

// --- whole games on the first data set, with a small population

TEST_F(WholeGameTest, SetupRunsTheWarmUpTurnsEvenPastAModalWindow)
{
    RecordingPresentation screens;
    screens.modalOpen = true;
    StartGame(1);
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 2);
    EXPECT_EQ(SIM_Voter::PopulationCount(), 300u);
    EXPECT_FALSE(NeuralEffect::IsInitialising());
    EXPECT_EQ(ElectionManager::Get().MonthsUntilElection(), 42);
    ASSERT_NE(SIM_Party::GetPlayersParty(), nullptr);
    EXPECT_EQ(SIM_Party::GetPlayersParty()->Name(), SIM_Mission::Get().PlayerPartyName());
    // The file that was chosen and loaded, not a path made from the name given to setup.
    EXPECT_EQ(SimulationState::Get().MissionPath(), "data/missions/velmora.txt");
    // A frame for each progress step, and one for every 51 voters created.
    EXPECT_EQ(static_cast<size_t>(screens.frames), screens.progressMonths.size() + 300 / 51);
    screens.modalOpen = false;
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 3);
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
    // Finite and not below zero.
    EXPECT_TRUE(CFinances::Get().NationalDebt() >= 0.0f && std::isfinite(CFinances::Get().NationalDebt()));
    EXPECT_TRUE(CFinances::Get().CurrentBalance() >= 0.0f && std::isfinite(CFinances::Get().CurrentBalance()));
    EXPECT_TRUE(std::isfinite(OpinionPoll::Get().Approval()));
    EXPECT_GE(ElectionManager::Get().ElectionsHeld(), 1);
}

TEST_F(WholeGameTest, TheEconomyOptionReachesTheCycle)
{
    Options::Get().SetFloat("GLOBALECONOMY", 0.75f);
    StartGame(1);
    ASSERT_NE(SpecialNeurons::GlobalEconomy(), nullptr);
    EXPECT_FLOAT_EQ(SpecialNeurons::GlobalEconomy()->Amplitude(), 0.75f);
    EXPECT_NEAR(SpecialNeurons::GlobalEconomy()->Phase(),
                SIM_Mission::Get().EconomicCycleStart() + 2.0f / 24.0f, 1e-5f);  // two warm-up turns on
}

}  // namespace
