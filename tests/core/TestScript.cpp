#include <gtest/gtest.h>

#include "SimTestWorld.h"
#include "gamedata/CFinances.h"
#include "gamedata/SIM_Event.h"
#include "gamedata/SIM_EventManager.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gamedata/SIM_Script.h"
#include "politics/SIM_Grudge.h"
#include "sim/SimulationState.h"

namespace {

struct ScriptRecorder : RecordingPresentation {
    void CloseWindow(Window window) override { closed.push_back(window); }
    void ShowGameOver(const std::string& title, const std::string& text) override { gameOver = title + "|" + text; }
    void SetPlayGuideFlag(PlayGuideFlag flag, bool on) override { flags.emplace_back(flag, on); }
    void ShowDetails(SIM_Policy* policy) override { details.push_back(policy); }
    std::vector<Window> closed;
    std::vector<std::pair<PlayGuideFlag, bool>> flags;
    std::vector<SIM_Policy*> details;
    std::string gameOver;
};

class ScriptTest : public SimWorldTest {
protected:
    void TearDown() override
    {
        SIM_EventManager::Get().Release();
        SIM_IssuesManager::Get().Release();
        SimulationState::Get().SetGameOver(false);
        SimWorldTest::TearDown();
    }
    SIM_Event* Event(const std::string& name, const std::string& script)
    {
        auto* event = SIM_EventManager::Get().Adopt(new SIM_Event());
        event->SetName(name);
        event->SetOnImplement(script);
        return event;
    }
    ScriptRecorder screens;
};

TEST(ScriptSplitterTest, SplitsAtSemicolonsOutsideQuotesAndDropsEmptyCommands)
{
    struct Case {
        const char* list;
        std::vector<std::string> commands;
    } cases[] = {
        {"", {}},
        {"A()", {"A()"}},
        {"A();B(x)", {"A()", "B(x)"}},
        {"A();;B()  ", {"A()", "B()"}},
        {"A(\"x;y\");B()", {"A(\"x;y\")", "B()"}},
        {"A(); B()", {"A()", " B()"}},
        {"A(B(c;d))", {"A(B(c", "d))"}},
        {"A(\"B(c;d)\")", {"A(\"B(c;d)\")"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SIM_Script::SplitCommands(c.list), c.commands) << c.list;
}

TEST(ScriptSplitterTest, TextIsAFileOnlyWhenItEndsInTxtAndHoldsNoParenthesis)
{
    struct Case {
        const char* text;
        bool file;
    } cases[] = {
        {"data/simulation/scripts/fire_minister.txt", true},
        {"PlaySound(a.txt)", false},
        {"TriggerEvent(x.txt);A()", false},
        {"notes.txt.bak", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SIM_Script::IsScriptFile(c.text), c.file) << c.text;
}

TEST_F(ScriptTest, ArgumentsKeepLeadingSpacesAndLeftoverSlots)
{
    SIM_Script& script = SIM_Script::Get();
    script.Run("AllowClicks(a, b,\"c,d\",e,f,g)");
    EXPECT_EQ(script.Slots()[1], " b");
    EXPECT_EQ(script.Slots()[2], "c,d");
    script.Run("AllowClicks(x) trailing");
    EXPECT_EQ(script.CurrentCommand(), "AllowClicks");
    EXPECT_EQ(script.Slots()[0], "x");
    EXPECT_EQ(script.Slots()[1], " b");  // not given this time: kept
}

TEST_F(ScriptTest, CommandsActOnTheModelAndTheWindows)
{
    Plain("Crime", 0.2f);
    SIM_Mission::Get().SetWealth(2.5f);
    CFinances::Get().InitFromMission(0.0f, 1000.0f);
    SIM_Script& script = SIM_Script::Get();

    script.Run("EarnAdjusted(10.9);CloseCabinet();CloseFinanceWindow()");
    EXPECT_FLOAT_EQ(CFinances::Get().CurrentBalance(), 25.0f);
    EXPECT_EQ(screens.closed, (std::vector<Presentation::Window>{Presentation::WINDOW_CABINET,
                                                                  Presentation::WINDOW_FINANCE}));
    script.Run("SpendAdjusted(20)");
    EXPECT_FLOAT_EQ(CFinances::Get().NationalDebt(), 25.0f);

    script.Run("CreateGrudge(Riots,Crime,0.5,0.5);CreateGrudge(Riots, Crime,0.5,0.5)");
    ASSERT_EQ(SIM_Grudge::All().size(), 1u);  // " Crime" names no neuron
    EXPECT_EQ(SIM_Grudge::All()[0]->TargetName(), "Crime");

    script.Run("SetPlayGuideFlag(HIDEPOPBAR,TRUE);SetPlayGuideFlag(HIDESIMICONS,FALSE)");
    EXPECT_EQ(screens.flags.size(), 2u);
    EXPECT_TRUE(screens.flags[0].second);

    script.Run("GameOver(Broke,The money ran out)");
    EXPECT_TRUE(SimulationState::Get().IsGameOver());
    EXPECT_EQ(screens.gameOver, "Broke|The money ran out");
}

TEST_F(ScriptTest, GrudgesDecayAndGoBelowOneHundredth)
{
    Plain("Crime");
    SIM_Script::Get().Run("CreateGrudge(a,Crime,0.5,0.5);CreateInertialGrudge(Crime,Crime,-0.02,1.0,3)");
    ASSERT_EQ(SIM_Grudge::All().size(), 2u);
    EXPECT_EQ(SIM_Grudge::All()[1]->Inertia(), 3);  // the fifth argument, not the decay
    int turns = 0;
    while (SIM_Grudge::All().size() > 1 && turns < 20) {
        SIM_Grudge::UpdateGrudges();
        ++turns;
    }
    EXPECT_EQ(turns, 6);  // 0.25 ... 0.015625 survive, 0.0078125 does not
}

TEST_F(ScriptTest, ScriptErrorsAreFatalWithTheirTexts)
{
    FatalCatcher catcher;
    Plain("Crime");
    struct Case {
        const char* script;
        const char* message;
    } cases[] = {
        {"NoSuchCommand()", "Unknown scripted function"},
        {"AllowClicks(); AllowClicks()", "Unknown scripted function"},
        {"SetPlayGuideFlag(HIDEPOPBAR,yes)", "Unknown flag state"},
        {"SetPlayGuideFlag(HIDEEVERYTHING,TRUE)", "unknown flag"},
        {"ShowDetails(Nowhere)", "Failed to ShowDetails"},
        {"TriggerEvent(Nowhere)", "Failed to trigger event: Nowhere"},
        {"data/simulation/scripts/missing.txt", "Failed to find data/simulation/scripts/missing.txt"},
    };
    for (const Case& c : cases) {
        try {
            SIM_Script::Get().Run(c.script);
            ADD_FAILURE() << c.script;
        } catch (const FatalErrorRaised& fatal) {
            EXPECT_EQ(fatal.message, c.message) << c.script;
        }
    }
    // Non-policies are ignored, without an error.
    SIM_Script::Get().Run("ShowDetails(Crime)");
    EXPECT_TRUE(screens.details.empty());
}

TEST_F(ScriptTest, AScriptFileRunsItsFirstLineOnly)
{
    Plain("Crime");
    std::string path = Write("s.txt", "CreateGrudge(a,Crime,0.5,0.5)  \nCreateGrudge(b,Crime,0.5,0.5)\n");
    SIM_Script::Get().Run(path);
    EXPECT_EQ(SIM_Grudge::All().size(), 1u);
}

TEST_F(ScriptTest, EventsTriggeringThemselvesStopAtABoundedDepth)
{
    LogCapture log;
    Event("Loop", "TriggerEvent(Ping)");
    Event("Ping", "TriggerEvent(Loop)");
    SIM_EventManager::Get().TriggerByName("Loop");
    EXPECT_TRUE(log.Contains("script nested too deeply"));
    EXPECT_EQ(SIM_IssuesManager::Get().Count(), static_cast<size_t>(SIM_Script::kMaxDepth + 1));
    EXPECT_EQ(SIM_EventManager::Get().TurnsSinceLastEvent(), 0);
}

}  // namespace
