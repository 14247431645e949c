#include <gtest/gtest.h>

#include "SimTestWorld.h"
#include "gamedata/CFinances.h"
#include "gamedata/SIM_Dilemma.h"
#include "gamedata/SIM_DilemmaManager.h"
#include "gamedata/SIM_Event.h"
#include "gamedata/SIM_EventManager.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gamedata/SIM_ReportManager.h"
#include "gamedata/NamePool.h"
#include "gamedata/Options.h"
#include "sim/SimulationState.h"

namespace {

class DilemmaTest : public SimWorldTest {
protected:
    void TearDown() override
    {
        SIM_DilemmaManager::Get().Release();
        SIM_EventManager::Get().Release();
        SIM_IssuesManager::Get().Release();
        SIM_Mission::Get().Clear();
        SimulationState::Get().SetGameOver(false);
        SimWorldTest::TearDown();
    }
};

const char* kDilemma = "[dilemma]\nname=Ferry\nguiname=Ferry fares\ndescription=d\n"
                       "[influences]\n1=_default_,0.51\n[prereqs]\n%s\n"
                       "[option1]\nName=<MaleName> says yes\nDescription=<FemaleName> and <MaleName>\nOnImplement=CloseCabinet()\n"
                       "[myoption]\nName=two\n[Option3]\nName=not an option\n";

std::string DilemmaText(const std::string& prereqs)
{
    std::string text = kDilemma;
    return text.replace(text.find("%s"), 2, prereqs);
}

TEST_F(DilemmaTest, OptionSectionsNamesAndPrereqs)
{
    NamePool::Get().LoadNames(Write("names.txt", "[maleforenames]\n<MaleName>\n[femaleforenames]\nCara\n[surnames]\nX\n"));
    auto* dilemma = SIM_Dilemma::Load(Write("d.txt", DilemmaText("1=casinos")));
    SIM_DilemmaManager::Get().LoadFolder(dir.Path() + "/none");
    ASSERT_EQ(dilemma->Options().size(), 2u);  // "myoption" counts, "Option3" does not
    // A name holding its own placeholder is put in once, not forever.
    EXPECT_EQ(dilemma->Options()[0].name, "<MaleName> says yes");
    EXPECT_EQ(dilemma->Options()[0].description, "Cara and <MaleName>");
    EXPECT_EQ(dilemma->Options()[1].onImplement, "");
    EXPECT_FLOAT_EQ(dilemma->Score(), 0.0f);  // the mission lacks "casinos"
    SIM_Mission::Get().AddModule("casinos");
    EXPECT_FLOAT_EQ(dilemma->Score(), 0.51f);
    delete dilemma;
}

TEST_F(DilemmaTest, TheBestDilemmaAboveAHalfArisesOnceAndWaitsForItsAnswer)
{
    struct Case {
        const char* first;
        const char* second;
        int arises;  // -1 none, else which
    } cases[] = {{"0.5", "0.5", -1}, {"0.51", "0.51", 0}, {"0.6", "0.7", 1}};
    Options::Get().Load();
    ASSERT_TRUE(Options::Get().IsOn("ENABLEDILEMMAS"));
    int folder = 0;
    for (const Case& c : cases) {
        const std::string path = dir.Path() + "/" + std::to_string(folder++);
        std::filesystem::create_directory(path);
        WriteText(path + "/a.txt", std::string("[dilemma]\nname=A\n[influences]\n1=_default_,") + c.first + "\n");
        WriteText(path + "/b.txt", std::string("[dilemma]\nname=B\n[influences]\n1=_default_,") + c.second + "\n");
        SIM_DilemmaManager& manager = SIM_DilemmaManager::Get();
        manager.Release();
        manager.LoadFolder(path);
        manager.PerTurn();
        auto pending = manager.Pending();
        if (c.arises < 0) {
            EXPECT_TRUE(pending.empty()) << c.first;
            continue;
        }
        ASSERT_EQ(pending.size(), 1u) << c.first;
        EXPECT_EQ(pending[0], manager.Dilemmas()[static_cast<size_t>(c.arises)]);
        EXPECT_TRUE(SIM_IssuesManager::Get().Has(pending[0], ISSUE_DILEMMA));
        manager.PerTurn();  // the triggered one scores 0 now, so the other may arise
        EXPECT_EQ(manager.Pending().size(), 2u) << c.first;
    }
}

TEST_F(DilemmaTest, ChoosingRunsTheScriptOnceAndAMissingIssueIsOnlyLogged)
{
    auto* dilemma = SIM_Dilemma::Load(Write("d.txt", DilemmaText("")));
    EXPECT_FALSE(dilemma->Choose(0));  // not pending
    dilemma->Trigger();
    SIM_IssuesManager::Get().Release();  // the list went, the dilemma still waits
    LogCapture log;
    EXPECT_FALSE(dilemma->Choose(2));
    EXPECT_TRUE(dilemma->Choose(0));
    EXPECT_TRUE(log.Contains("Failed to remove issue"));
    EXPECT_FALSE(dilemma->Choose(0));
    EXPECT_FLOAT_EQ(dilemma->Score(), 0.0f);
    delete dilemma;
}

TEST_F(DilemmaTest, EventsFireAboveSevenTenthsAtMostEveryThreeTurns)
{
    Neuron* heat = Plain("Heat");
    std::string file = "[config]\nName=Fire\nOnImplement=AllowClicks()\n[influences]\n1=Heat,0+(1.0*x)\n";
    WriteText(dir.Path() + "/fire.txt", file);
    WriteText(dir.Path() + "/blocked.txt", "[config]\nName=Blocked\n[influences]\n1=_default_,0.9\n[prereqs]\n1=x\n");
    SIM_EventManager& events = SIM_EventManager::Get();
    events.LoadEvents(dir.Path());
    ASSERT_EQ(events.Events().size(), 2u);
    std::vector<int> fired;
    const float heats[] = {0.9f, 0.9f, 0.7f, 0.71f, 0.9f, 0.9f, 0.9f};
    for (int turn = 0; turn < 7; ++turn) {
        heat->SetBaseValue(heats[turn]);
        heat->Propagate();
        Neuron::RecalculateAll();
        const size_t before = SIM_IssuesManager::Get().Count();
        events.PerTurn();
        if (SIM_IssuesManager::Get().Count() > before)
            fired.push_back(turn);
    }
    EXPECT_EQ(fired, (std::vector<int>{3, 6}));
    EXPECT_FLOAT_EQ(events.Find("Blocked")->GetValue(), 0.0f);
}

TEST_F(DilemmaTest, DebtPastTheCeilingEndsTheGameThroughItsEvent)
{
    WriteText(dir.Path() + "/debt.txt", "[config]\nName=DebtCeilingReached\nOnImplement=GameOver(a,b)\n");
    SIM_EventManager::Get().LoadEvents(dir.Path());
    CFinances& finances = CFinances::Get();
    finances.InitFromMission(100.0f, 120.0f);
    finances.SettleMonth(3);
    EXPECT_FALSE(SimulationState::Get().IsGameOver());
    finances.Spend(50);
    finances.SettleMonth(4);
    ASSERT_EQ(finances.DebtCeilingState(), CFinances::DEBT_CEILING_REACHED);
    SIM_EventManager::Get().TriggerByName("DebtCeilingReached");
    EXPECT_TRUE(SimulationState::Get().IsGameOver());
}

TEST(ReportTest, DigitsAreGroupedInThrees)
{
    struct Case {
        long long number;
        const char* text;
    } cases[] = {{0, "0"}, {999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"}, {-4500, "-4,500"}};
    for (const Case& c : cases)
        EXPECT_EQ(SIM_ReportManager::GroupDigits(c.number), c.text);
}

}  // namespace
