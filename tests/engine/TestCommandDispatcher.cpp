#include <gtest/gtest.h>

#include "../core/TestSupport.h"
#include "gamedata/Options.h"
#include "gui/GUI_CommandDispatcher.h"
#include "gui/PlayGuide.h"
#include "gui/GUI_CommandTable.h"
#include "gui/GUI_NeuronDetails.h"
#include "gui/GUI_WindowBase.h"
#include "gui/WindowManager.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"

namespace {

using Result = GUI_CommandDispatcher::Result;

// A dispatcher of its own, and no window left open by a test.
class DispatcherTest : public ::testing::Test {
protected:
    void TearDown() override { GetWindowManager().CloseAll(); }

    // A plain window held modal, as a dialog that asks something would be.
    static void OpenModalWindow()
    {
        auto* window = new GUI_WindowBase("Question");
        GetWindowManager().Register(window);
        GetWindowManager().SetModal(window, true);
    }
    static Result WindowResult(const std::string& command)
    {
        const GUI_CommandTable::Entry* entry = GUI_CommandTable::Find(command);
        return entry && entry->open ? GUI_CommandDispatcher::DONE : GUI_CommandDispatcher::NO_WINDOW;
    }

    GUI_CommandDispatcher dispatcher;
};

TEST_F(DispatcherTest, ATurnIsRefusedWhileAModalWindowStandsButOtherCommandsAreNot)
{
    EXPECT_EQ(dispatcher.Check(GUI_CommandDispatcher::kNextTurn), GUI_CommandDispatcher::DONE);
    OpenModalWindow();
    EXPECT_EQ(dispatcher.Check(GUI_CommandDispatcher::kNextTurn), GUI_CommandDispatcher::REFUSED_MODAL);
    EXPECT_EQ(dispatcher.Check(GUI_CommandDispatcher::kPolicyPicker), GUI_CommandDispatcher::DONE);
    EXPECT_EQ(dispatcher.Check("Polls"), WindowResult("Polls"));
    GetWindowManager().CloseAll();
    EXPECT_EQ(dispatcher.Check(GUI_CommandDispatcher::kNextTurn), GUI_CommandDispatcher::DONE);
}

TEST_F(DispatcherTest, ThePlayGuidesFilterLetsThroughOnlyTheAllowedButtonsCommand)
{
    const struct {
        const char* allowed;
        const char* command;
        bool passes;
    } cases[] = {
        {"PollsButton", "Polls", true},
        {"PollsButton", GUI_CommandDispatcher::kNextTurn, false},
        {"NextTurnButton", GUI_CommandDispatcher::kNextTurn, true},
        {"NextTurnButton", GUI_CommandDispatcher::kPolicyPicker, false},
        {"", GUI_CommandDispatcher::kNextTurn, true},  // "" lets every button through
        {"", "Finance", true},
    };
    for (const auto& c : cases) {
        PlayGuide::Get().SetActive(true);
        PlayGuide::Get().SetAllowedButton(c.allowed);
        const Result result = dispatcher.Check(c.command);
        EXPECT_EQ(result != GUI_CommandDispatcher::REFUSED_BY_GUIDE, c.passes) << c.allowed << " / " << c.command;
    }
    PlayGuide::Get().Reset();
    EXPECT_EQ(dispatcher.Check(GUI_CommandDispatcher::kNextTurn), GUI_CommandDispatcher::DONE);
}

TEST_F(DispatcherTest, EveryTableCommandIsKnownAndUnknownNamesAreRefused)
{
    for (const GUI_CommandTable::Entry* e = GUI_CommandTable::Begin(); e != GUI_CommandTable::End(); ++e)
        EXPECT_EQ(dispatcher.Check(e->command), WindowResult(e->command)) << e->command;
    EXPECT_EQ(dispatcher.Check("Teleport"), GUI_CommandDispatcher::UNKNOWN);
    EXPECT_EQ(dispatcher.Check(""), GUI_CommandDispatcher::UNKNOWN);
    // Refusals run nothing and leave no notice behind for unknown names.
    EXPECT_EQ(dispatcher.Run("Teleport"), GUI_CommandDispatcher::UNKNOWN);
    EXPECT_TRUE(GetWindowManager().Windows().empty());
}

TEST_F(DispatcherTest, AGuideRefusalIsSilentAndTheButtonNameFollowsTheCommand)
{
    PlayGuide::Get().SetActive(true);
    PlayGuide::Get().SetAllowedButton("PollsButton");
    EXPECT_EQ(dispatcher.Run(GUI_CommandDispatcher::kNextTurn), GUI_CommandDispatcher::REFUSED_BY_GUIDE);
    EXPECT_TRUE(GetWindowManager().Windows().empty());
    EXPECT_EQ(GUI_CommandDispatcher::ButtonFor(GUI_CommandDispatcher::kNextTurn), "NextTurnButton");
    PlayGuide::Get().Reset();
}

// --- what a details window lists as the influences on a neuron

using InfluenceTest = NetworkTest;

TEST_F(InfluenceTest, InfluencesAreListedStrongestFirstWhateverTheirSign)
{
    Neuron* target = Named("Target");
    const struct {
        const char* source;
        const char* formula;
    } effects[] = {{"Weak", "0+(0.1*x)"}, {"Harmful", "0+(-0.5*x)"}, {"Helpful", "0+(0.3*x)"}, {"Same", "0+(0.1*x)"}};
    for (const auto& e : effects) {
        auto* effect = new NeuralEffect(Named(e.source), target, e.formula, 1.0f, 1.0f);
        effect->SetInput(1.0f);
    }
    const std::vector<NeuralEffect*> sorted = GUI_NeuronDetails::InfluencesByStrength(*target);
    ASSERT_EQ(sorted.size(), 4u);
    const char* expected[] = {"Harmful", "Helpful", "Weak", "Same"};  // equal strengths keep their order
    for (size_t i = 0; i < sorted.size(); ++i)
        EXPECT_EQ(sorted[i]->GetSource()->GetName(), expected[i]) << i;
}

TEST_F(InfluenceTest, ANeuronWithoutInfluencesListsNothing)
{
    EXPECT_TRUE(GUI_NeuronDetails::InfluencesByStrength(*Named("Alone")).empty());
}

}  // namespace
