// The game's windows act on the model through their named buttons, and the
// few rules they add of their own (the replayed count, the accounts' columns).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "../core/WholeGameTest.h"
#include "engine/GamePresentation.h"
#include "gamedata/SIM_Dilemma.h"
#include "gamedata/SIM_ReportManager.h"
#include "gamedata/SIM_Script.h"
#include "gui/GUI_AchievementsWindow.h"
#include "gui/GUI_FinanceHistoryWindow.h"
#include "gui/GUI_FinanceWindow.h"
#include "gui/GUI_IssuesWindow.h"
#include "gui/GUI_PartyWindow.h"
#include "gui/GUI_PollHistoryWindow.h"
#include "gui/GUI_PollsWindow.h"
#include "gui/GUI_PostElection.h"
#include "gui/GUI_ReportWindow.h"
#include "politics/ElectionCount.h"
#include "sim/SimulationState.h"
#include "sim/TurnProcessor.h"
#include "gamedata/SIM_DilemmaManager.h"
#include "gamedata/SIM_IssuesManager.h"
#include "TestFontFixture.h"
#include "gamedata/SIM_Event.h"
#include "gamedata/SIM_EventManager.h"
#include "gui/ElectionCountReplay.h"
#include "gui/GUI_HistoryGraph.h"
#include "gamedata/Localisation.h"
#include <cmath>
#include "gui/GUI_EventDialog.h"
#include "gui/WindowStyle.h"
#include "politics/AchievementList.h"
#include "gui/FinanceBreakdown.h"
#include "gui/GUI_CabinetWindow.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_DilemmaDialog.h"
#include "gui/GUI_ElectionResults.h"
#include "gui/GUI_IntelReport.h"
#include "gui/GUI_ManifestoChooser.h"
#include "gui/GUI_MinisterChooser.h"
#include "gui/WindowDirectory.h"
#include "gui/WindowManager.h"
#include "platform/ScanCodes.h"
#include "politics/SIM_Cabinet.h"
#include "politics/SIM_Grudge.h"
#include "politics/SIM_Manifesto.h"
#include "politics/SIM_Minister.h"
#include "sim/PoliticalCapital.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyManager.h"

namespace {

// --- the replayed election count -----------------------------------------

struct CountCase {
    unsigned player, opposition, abstentions, perFrame;
};

class ReplayedCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(ReplayedCount, NeverShowsMoreThanCountedAndEndsOnTheModelsResult)
{
    const CountCase c = GetParam();
    ElectionCountReplay replay(c.player, c.opposition, c.abstentions);
    unsigned lastPlayer = 0, lastOpposition = 0, lastAbstentions = 0;
    for (int frame = 0; !replay.Finished(); ++frame) {
        ASSERT_LT(frame, 1000000) << "the count never finishes";
        replay.Advance(c.perFrame);
        const unsigned shown = replay.PlayerVotes() + replay.OppositionVotes() + replay.Abstentions();
        ASSERT_LE(shown, replay.Counted());
        ASSERT_LE(replay.PlayerVotes(), c.player);
        ASSERT_LE(replay.OppositionVotes(), c.opposition);
        ASSERT_LE(replay.Abstentions(), c.abstentions);
        ASSERT_GE(replay.PlayerVotes(), lastPlayer);
        ASSERT_GE(replay.OppositionVotes(), lastOpposition);
        ASSERT_GE(replay.Abstentions(), lastAbstentions);
        lastPlayer = replay.PlayerVotes();
        lastOpposition = replay.OppositionVotes();
        lastAbstentions = replay.Abstentions();
    }
    EXPECT_EQ(replay.PlayerVotes(), c.player);
    EXPECT_EQ(replay.OppositionVotes(), c.opposition);
    EXPECT_EQ(replay.Abstentions(), c.abstentions);
    EXPECT_EQ(replay.Counted(), c.player + c.opposition + c.abstentions);
    EXPECT_FLOAT_EQ(replay.Progress(), 1.0f);
}

INSTANTIATE_TEST_SUITE_P(Counts, ReplayedCount,
                         ::testing::Values(CountCase{620, 380, 200, 5}, CountCase{1, 0, 0, 5},
                                           CountCase{0, 7, 3, 5}, CountCase{3, 3, 0, 1},
                                           CountCase{1000000, 999999, 3000000, 50},
                                           CountCase{4000000000u / 3, 4000000000u / 3, 1, 7919}));

TEST(ReplayedCount, NobodyToCountIsFinishedAtOnce)
{
    ElectionCountReplay replay(0, 0, 0);
    EXPECT_TRUE(replay.Finished());
    replay.Advance(5);
    EXPECT_EQ(replay.Counted(), 0u);
    EXPECT_FLOAT_EQ(replay.Progress(), 1.0f);
}

TEST(ReplayedCount, SkippingShowsTheWholeResult)
{
    ElectionCountReplay replay(10, 20, 30);
    replay.Advance(5);
    replay.Finish();
    EXPECT_EQ(replay.PlayerVotes(), 10u);
    EXPECT_EQ(replay.Abstentions(), 30u);
}

// --- the verdict's sounds and fireworks, and the intelligence wording ------

TEST(ElectionVerdict, CrowdAndFireworksByShare)
{
    const struct {
        float share;
        const char* crowd;
        bool fireworks;
    } cases[] = {
        {0.2f, "crowd_angry", false}, {0.4999f, "crowd_angry", false}, {0.5f, "crowd_clap", false},
        {0.5001f, "crowd_clap", true}, {0.6999f, "crowd_clap", true}, {0.7f, "crowd_cheer", true},
        {1.0f, "crowd_cheer", true},
    };
    for (const auto& c : cases) {
        EXPECT_NE(GUI_ElectionResults::CrowdSound(c.share).find(c.crowd), std::string::npos) << c.share;
        EXPECT_EQ(GUI_ElectionResults::Celebrates(c.share), c.fireworks) << c.share;
    }
}

TEST(IntelReport, WordsByStrength)
{
    const struct {
        float strength;
        int index;
    } cases[] = {{-3.0f, 0}, {0.0f, 0}, {9.99f, 0}, {10.0f, 1}, {19.99f, 1}, {20.0f, 2}, {400.0f, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(GUI_IntelReport::MoodIndex(c.strength), c.index) << c.strength;
}

// --- the finance window's columns ---------------------------------------

float Sum(const std::vector<FinanceBreakdown::Line>& lines)
{
    float total = 0.0f;
    for (const auto& line : lines)
        total += line.amount;
    return total;
}

TEST(FinanceBreakdown, ALongColumnEndsInOneLineForTheRestAndStillAddsUp)
{
    std::vector<CFinances::Item> items;
    for (int i = 1; i <= 9; ++i)
        items.push_back(CFinances::Item{"p" + std::to_string(i), static_cast<float>(i), 0.0f});
    const FinanceBreakdown breakdown(items, 4);
    ASSERT_EQ(breakdown.Spending().size(), 4u);
    EXPECT_EQ(breakdown.Spending()[0].name, "p9");
    EXPECT_EQ(breakdown.Spending()[2].name, "p7");
    EXPECT_EQ(breakdown.Spending()[3].name, FinanceBreakdown::kOthers);
    EXPECT_FLOAT_EQ(breakdown.Spending()[3].amount, 1 + 2 + 3 + 4 + 5 + 6.0f);
    EXPECT_FLOAT_EQ(Sum(breakdown.Spending()), breakdown.TotalSpending());
    EXPECT_FLOAT_EQ(breakdown.TotalSpending(), 45.0f);
    EXPECT_TRUE(breakdown.Income().empty());
}

TEST(FinanceBreakdown, ZeroLinesAreLeftOutAndASavingStaysInSpending)
{
    const FinanceBreakdown breakdown({{"a", 0.0f, 5.0f}, {"b", -2.0f, 0.0f}, {"c", 3.0f, 0.0f}}, 10);
    ASSERT_EQ(breakdown.Income().size(), 1u);
    ASSERT_EQ(breakdown.Spending().size(), 2u);
    EXPECT_EQ(breakdown.Spending().back().name, "b");
    EXPECT_FLOAT_EQ(breakdown.TotalSpending(), 1.0f);
}

TEST(FinanceBreakdown, AColumnThatFitsHasNoRestLine)
{
    const FinanceBreakdown breakdown({{"a", 1.0f, 0.0f}, {"b", 1.0f, 0.0f}}, 2);
    ASSERT_EQ(breakdown.Spending().size(), 2u);
    EXPECT_EQ(breakdown.Spending()[0].name, "a");  // equal amounts keep the ledger's order
}

// --- the directory the main screen opens windows by ---------------------

TEST(WindowDirectory, NamesAndKeysAreUniqueAndLeaveTheMainScreensKeysAlone)
{
    std::set<std::string> names;
    std::set<int> keys;
    for (const auto& entry : WindowDirectory::Entries()) {
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_NE(entry.close, nullptr) << entry.name;
        if (entry.key == 0)
            continue;
        EXPECT_TRUE(keys.insert(entry.key).second) << entry.name;
        EXPECT_NE(entry.key, ScanCode::Escape) << entry.name;
        EXPECT_NE(entry.key, ScanCode::F6) << entry.name;
        EXPECT_NE(entry.open, nullptr) << entry.name << " has a key but nothing to open";
    }
    EXPECT_EQ(WindowDirectory::FindByKey(0), nullptr);
}

// --- numbers as the windows print them -----------------------------------

TEST(WindowStyle, NumbersPrintWithoutNegativeZeroOrNonsense)
{
    const struct {
        float value;
        const char* percent;
        const char* signedText;
    } cases[] = {
        {0.456f, "46%", "+0.46"}, {-0.001f, "0%", "+0.00"}, {-0.25f, "-25%", "-0.25"},
        {1.0f, "100%", "+1.00"},  {std::nanf(""), "0%", "+0.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WindowStyle::Percent(c.value), c.percent) << c.value;
        EXPECT_EQ(WindowStyle::Signed(c.value), c.signedText) << c.value;
    }
}

// --- windows that change the game ---------------------------------------

class GameWindows : public WholeGameTest {
protected:
    void TearDown() override
    {
        GetWindowManager().CloseAll();
        WholeGameTest::TearDown();
    }
    static GUI_ButtonBase* Button(const char* window, const std::string& name)
    {
        GUI_GameWindow* open = GUI_GameWindow::FindOpen(window);
        return open ? open->FindNamedButton(name) : nullptr;
    }
};

TEST_F(GameWindows, ADilemmaAnsweredInItsDialogRunsTheAnswer)
{
    StartGame(11);
    SIM_Dilemma* bank = nullptr;
    for (SIM_Dilemma* dilemma : SIM_DilemmaManager::Get().Dilemmas())
        if (dilemma->GetName() == "BankBailout")
            bank = dilemma;
    ASSERT_NE(bank, nullptr);
    bank->Trigger();
    ASSERT_TRUE(SIM_IssuesManager::Get().Has(bank, ISSUE_DILEMMA));

    GUI_DilemmaDialog::OpenPending();
    GUI_ButtonBase* letItFail = Button(GUI_DilemmaDialog::kName, "DilemmaOption1");
    ASSERT_NE(letItFail, nullptr);
    letItFail->Press();

    EXPECT_FALSE(bank->IsPending());
    EXPECT_FALSE(SIM_IssuesManager::Get().Has(bank, ISSUE_DILEMMA));
    const auto& grudges = SIM_Grudge::All();
    EXPECT_TRUE(std::any_of(grudges.begin(), grudges.end(),
                            [](const SIM_Grudge* g) { return g->GetDisplayName() == "Bank failure"; }));
    EXPECT_FALSE(GUI_GameWindow::IsOpen(GUI_DilemmaDialog::kName));
}

TEST_F(GameWindows, FiringFromTheCabinetNeedsCapitalAndEmptiesThePost)
{
    StartGame(12);
    SIM_PolicyGroup* ministry = GetPolicyManager().Group(0);
    SIM_Minister* minister = SIM_Cabinet::Get().MinisterOf(ministry);
    ASSERT_NE(minister, nullptr);
    const size_t pool = SIM_Cabinet::Get().Pool().size();

    GUI_CabinetWindow::Open();
    GUI_CabinetWindow* window = dynamic_cast<GUI_CabinetWindow*>(GUI_GameWindow::FindOpen(GUI_CabinetWindow::kName));
    ASSERT_NE(window, nullptr);
    GUI_ButtonBase* fire = window->FindNamedButton("CabinetFire0");
    ASSERT_NE(fire, nullptr);

    GetPoliticalCapital().SetAvailable(0);
    window->Update();
    fire->Press();
    EXPECT_FALSE(fire->Enabled);
    EXPECT_NE(fire->Tooltip(), nullptr) << "a refusal explains itself";
    EXPECT_EQ(SIM_Cabinet::Get().MinisterOf(ministry), minister);

    GetPoliticalCapital().SetAvailable(1000);
    window->Update();
    fire->Press();
    EXPECT_EQ(SIM_Cabinet::Get().MinisterOf(ministry), nullptr);
    EXPECT_EQ(SIM_Cabinet::Get().Pool().size(), pool - 1);
}

TEST_F(GameWindows, TheChooserAppointsTheCandidatePicked)
{
    StartGame(13);
    SIM_PolicyGroup* ministry = GetPolicyManager().Group(3);
    GUI_CabinetWindow::Open();
    GUI_ButtonBase* appoint = Button(GUI_CabinetWindow::kName, "CabinetAppoint3");
    ASSERT_NE(appoint, nullptr);
    appoint->Press();
    auto* chooser = dynamic_cast<GUI_MinisterChooser*>(GUI_GameWindow::FindOpen(GUI_MinisterChooser::kName));
    ASSERT_NE(chooser, nullptr);
    GUI_ButtonBase* first = chooser->FindNamedButton("ChooseMinister0");
    ASSERT_NE(first, nullptr) << "the pool has nobody out of office";
    const SIM_Minister* before = SIM_Cabinet::Get().MinisterOf(ministry);
    // The first offered is the free politician best suited to the post.
    const SIM_Minister* best = nullptr;
    for (const SIM_Minister* m : SIM_Cabinet::Get().Pool())
        if (!m->IsInOffice() && (!best || m->SuitabilityFor(3) > best->SuitabilityFor(3)))
            best = m;
    first->Press();
    const SIM_Minister* after = SIM_Cabinet::Get().MinisterOf(ministry);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after, best);
    EXPECT_NE(after, before);
    EXPECT_FALSE(before && before->IsInOffice());
    EXPECT_FALSE(GUI_GameWindow::IsOpen(GUI_MinisterChooser::kName));
}

TEST_F(GameWindows, TheManifestoTakesAtMostThreeTickedPledges)
{
    StartGame(14);
    GUI_ManifestoChooser::Open();
    GUI_GameWindow* chooser = GUI_GameWindow::FindOpen(GUI_ManifestoChooser::kName);
    ASSERT_NE(chooser, nullptr);
    int offered = 0;
    for (int i = 0; i < 5; ++i)
        if (auto* tick = dynamic_cast<GUI_CheckButton*>(chooser->FindNamedButton("Pledge" + std::to_string(i)))) {
            tick->Ticked = true;  // as a click does, before it presses
            tick->Press();
            ++offered;
        }
    ASSERT_GE(offered, 4) << "the data offers too few pledges for this test";
    chooser->FindNamedButton("ManifestoPublish")->Press();
    EXPECT_EQ(static_cast<int>(SIM_Manifesto::Get().NextTerm().size()), GUI_ManifestoChooser::kMaxPledges);
}

// --- what the game's presentation does with the windows -------------------

class PresentedGameWindows : public GameWindows {
protected:
    void SetUp() override
    {
        GameWindows::SetUp();
        Presentation::Install(&GetGamePresentation());
    }
    void TearDown() override
    {
        Presentation::Install(nullptr);
        GameWindows::TearDown();
    }
    static bool Open(const char* name) { return GUI_GameWindow::IsOpen(name); }
};

TEST_F(PresentedGameWindows, EachCloseCommandClosesItsWindowsAndNoOthers)
{
    StartGame(21);
    SIM_ReportManager::Get().BuildReports();
    const struct {
        const char* script;
        std::vector<const char*> closes;
    } cases[] = {
        {"CloseCabinet()", {GUI_CabinetWindow::kName, GUI_MinisterChooser::kName}},
        {"ClosePolls()", {GUI_PollsWindow::kName, GUI_PollHistoryWindow::kName}},
        {"CloseFinanceWindow()", {GUI_FinanceWindow::kName, GUI_FinanceHistoryWindow::kName}},
        {"CloseReports()", {GUI_ReportWindow::kName}},
        {"CloseIntelReport()", {GUI_IntelReport::kName}},
        {"ClosePartyWindow()", {GUI_PartyWindow::kName}},
    };
    const char* opened[] = {GUI_CabinetWindow::kName, GUI_MinisterChooser::kName, GUI_PollsWindow::kName,
                            GUI_PollHistoryWindow::kName, GUI_FinanceWindow::kName, GUI_FinanceHistoryWindow::kName,
                            GUI_ReportWindow::kName, GUI_IntelReport::kName, GUI_PartyWindow::kName,
                            GUI_AchievementsWindow::kName};
    for (const auto& c : cases) {
        for (const char* name : opened)
            if (name == std::string(GUI_MinisterChooser::kName))
                GUI_MinisterChooser::Open(0);
            else
                WindowDirectory::FindByName(name)->open();
        SIM_Script::Get().Run(c.script);
        for (const char* name : opened) {
            const bool closes = std::any_of(c.closes.begin(), c.closes.end(),
                                            [&](const char* n) { return std::string(n) == name; });
            EXPECT_EQ(Open(name), !closes) << c.script << " and " << name;
        }
        GetWindowManager().CloseAll();
    }
}

TEST_F(PresentedGameWindows, EveryReportOpensAWindowOfItsOwn)
{
    StartGame(22);
    SIM_ReportManager::Get().BuildReports();
    const auto& reports = SIM_ReportManager::Get().Reports();
    ASSERT_FALSE(reports.empty());
    std::set<std::string> opened;
    for (const Report& report : reports) {
        GetWindowManager().CloseAll();
        ASSERT_TRUE(GUI_ReportWindow::OpenDetails(report.title)) << report.title;
        for (const GUI_WindowBase* window : GetWindowManager().Windows())
            if (window->Visible)
                opened.insert(window->Name);
    }
    EXPECT_EQ(opened.size(), reports.size());
    EXPECT_FALSE(GUI_ReportWindow::OpenDetails("no such report"));
}

TEST_F(PresentedGameWindows, IssuesOpenTheWindowTheyAreAbout)
{
    StartGame(23);
    SIM_Minister* minister = SIM_Cabinet::Get().MinisterOf(GetPolicyManager().Group(1));
    ASSERT_NE(minister, nullptr);
    SIM_Dilemma* dilemma = SIM_DilemmaManager::Get().Dilemmas().at(0);
    const struct {
        Neuron* source;
        IssueKind kind;
        const char* window;
    } cases[] = {
        {minister, ISSUE_MINISTER_LOYALTY, GUI_CabinetWindow::kName},
        {minister, ISSUE_FINANCE_WARNING, GUI_FinanceWindow::kName},
        {dilemma, ISSUE_DILEMMA, GUI_DilemmaDialog::kName},
    };
    dilemma->Trigger();
    for (const auto& c : cases) {
        GetWindowManager().CloseAll();
        Issue issue;
        issue.source = c.source;
        issue.kind = c.kind;
        issue.title = "DEBT_CEILING_WARNING_TITLE";
        EXPECT_FALSE(GUI_IssuesWindow::Describe(issue).empty());
        EXPECT_TRUE(GUI_IssuesWindow::OpenIssue(issue)) << c.window;
        EXPECT_TRUE(Open(c.window)) << c.window;
    }
    // An answered dilemma has nothing left to ask.
    GetWindowManager().CloseAll();
    ASSERT_TRUE(dilemma->Choose(0));
    Issue answered;
    answered.source = dilemma;
    answered.kind = ISSUE_DILEMMA;
    GUI_IssuesWindow::OpenIssue(answered);
    EXPECT_FALSE(Open(GUI_DilemmaDialog::kName));
}

TEST_F(PresentedGameWindows, ADefeatIsCountedOutThenEndsTheGameAndNoTurnIsPlayedMeanwhile)
{
    StartGame(24);
    ElectionResult result;
    result.playerVotes = 40;
    result.oppositionVotes = 60;
    result.abstentions = 13;
    result.share = 0.4f;
    result.won = false;
    Presentation::Current().NoticePledge("Cut crime", false);
    Presentation::Current().ShowElectionResults(ElectionCount(), result);
    auto* window = dynamic_cast<GUI_ElectionResults*>(GUI_GameWindow::FindOpen(GUI_ElectionResults::kName));
    ASSERT_NE(window, nullptr);

    const int turn = SimulationState::Get().TurnNumber();
    NextTurn();
    EXPECT_EQ(SimulationState::Get().TurnNumber(), turn) << "a turn was played under the count";

    EXPECT_EQ(window->FindNamedButton("ElectionSeeResults"), nullptr) << "the verdict before the count";
    for (int frame = 0; frame < 100 && !window->Count().Finished(); ++frame) {
        window->Update();
        ASSERT_LE(window->Count().PlayerVotes(), result.playerVotes);
    }
    window->Update();
    GUI_ButtonBase* seeResults = window->FindNamedButton("ElectionSeeResults");
    ASSERT_NE(seeResults, nullptr);
    seeResults->Press();
    GUI_GameWindow* after = GUI_GameWindow::FindOpen(GUI_PostElection::kName);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->FindNamedButton("ContinuePresidency"), nullptr);
    GUI_ButtonBase* quit = after->FindNamedButton("QuitGame");
    ASSERT_NE(quit, nullptr);
    quit->Press();
    EXPECT_TRUE(Presentation::Current().GameOverWindowOpen());
    EXPECT_TRUE(Presentation::Current().ModalWindowOpen());
}

TEST_F(PresentedGameWindows, AVictoryGoesOnToTheNextTerm)
{
    StartGame(25);
    ElectionResult result;
    result.playerVotes = 80;
    result.oppositionVotes = 20;
    result.share = 0.8f;
    result.won = true;
    GUI_ElectionResults::Open(result, {});
    auto* window = dynamic_cast<GUI_ElectionResults*>(GUI_GameWindow::FindOpen(GUI_ElectionResults::kName));
    ASSERT_NE(window, nullptr);
    window->FindNamedButton("ElectionSkipCount")->Press();
    window->Update();
    window->FindNamedButton("ElectionSeeResults")->Press();
    GUI_GameWindow* after = GUI_GameWindow::FindOpen(GUI_PostElection::kName);
    ASSERT_NE(after, nullptr);
    ASSERT_NE(after->FindNamedButton("ContinuePresidency"), nullptr);
    after->FindNamedButton("ContinuePresidency")->Press();
    EXPECT_FALSE(Presentation::Current().ModalWindowOpen());
    EXPECT_FALSE(Presentation::Current().GameOverWindowOpen());
}

TEST_F(GameWindows, EveryIssueIsDescribedByWhatItIsAbout)
{
    StartGame(19);
    SIM_Minister* minister = SIM_Cabinet::Get().MinisterOf(GetPolicyManager().Group(2));
    ASSERT_NE(minister, nullptr);
    const std::string name = minister->GetDisplayName();
    for (IssueKind kind : {ISSUE_DILEMMA, ISSUE_SITUATION_STARTED, ISSUE_SITUATION_ENDED, ISSUE_MINISTER_LOYALTY,
                           ISSUE_EVENT}) {
        Issue issue;
        issue.source = minister;
        issue.kind = kind;
        EXPECT_NE(GUI_IssuesWindow::Describe(issue).find(name), std::string::npos) << kind;
    }
    Issue warning;
    warning.source = minister;
    warning.kind = ISSUE_FINANCE_WARNING;
    warning.title = "DEBT_CEILING_WARNING_TITLE";
    EXPECT_EQ(GUI_IssuesWindow::Describe(warning), translate("DEBT_CEILING_WARNING_TITLE"));
}

TEST_F(GameWindows, ElectionNightCountsAFewVotersAFrame)
{
    StartGame(20);
    ElectionResult result;
    result.playerVotes = 30;
    result.oppositionVotes = 20;
    GUI_ElectionResults::Open(result, {});
    auto* window = dynamic_cast<GUI_ElectionResults*>(GUI_GameWindow::FindOpen(GUI_ElectionResults::kName));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Count().Counted(), 0u);
    window->Update();
    EXPECT_EQ(window->Count().Counted(), ElectionCount::kVotersPerFrame);
    window->Update();
    EXPECT_EQ(window->Count().Counted(), 2 * ElectionCount::kVotersPerFrame);
}

TEST_F(GameWindows, APledgeToScrapAPolicyIsOfferedOnlyWhileItIsInForce)
{
    StartGame(27);
    auto offered = [] {
        GetWindowManager().CloseAll();
        GUI_ManifestoChooser::Open();
        GUI_GameWindow* chooser = GUI_GameWindow::FindOpen(GUI_ManifestoChooser::kName);
        int count = 0;
        while (chooser && chooser->FindNamedButton("Pledge" + std::to_string(count)))
            ++count;
        return count;
    };
    auto* petrolTax = dynamic_cast<SIM_Policy*>(Neuron::FindNeuronQuietly("PetrolTax"));
    ASSERT_NE(petrolTax, nullptr);
    if (!petrolTax->IsActive())
        petrolTax->Introduce();
    const int withTheTax = offered();
    petrolTax->Cancel();
    EXPECT_EQ(offered(), withTheTax - 1) << "only the pledge to scrap the petrol tax goes";
}

TEST_F(GameWindows, EveryWindowWithAKeyOpensUnderItsOwnNameAndCloses)
{
    StartGame(15);
    SIM_ReportManager::Get().BuildReports();
    // Something for the dilemma and event keys to show.
    SIM_DilemmaManager::Get().Dilemmas().at(0)->Trigger();
    SIM_Event* event = new SIM_Event();
    event->SetDescription("A ferry ran aground.");
    SIM_EventManager::Get().Adopt(event);
    event->Trigger();
    for (const auto& entry : WindowDirectory::Entries()) {
        if (!entry.key)
            continue;
        ASSERT_TRUE(WindowDirectory::OpenByKey(entry.key)) << entry.name;
        EXPECT_TRUE(GUI_GameWindow::IsOpen(entry.name)) << entry.name;
        entry.close();
        EXPECT_FALSE(GUI_GameWindow::IsOpen(entry.name)) << entry.name;
        GetWindowManager().DeletePending();
    }
}

TEST_F(GameWindows, AnEventsViewScriptRunsOnceWhenTheWindowIsFirstSeen)
{
    StartGame(16);
    SIM_Event* event = new SIM_Event();
    event->SetDisplayName("Ferry aground");
    event->SetOnView("CreateGrudge(Ferry anger,_All_,-0.5,0.9)");
    SIM_EventManager::Get().Adopt(event);
    auto grudges = [] {
        const auto& all = SIM_Grudge::All();
        return std::count_if(all.begin(), all.end(),
                             [](const SIM_Grudge* g) { return g->GetDisplayName() == "Ferry anger"; });
    };
    GUI_EventDialog::Open(*event);
    EXPECT_EQ(grudges(), 0) << "seen before the turn that raised it was over";
    GUI_GameWindow* window = GUI_GameWindow::FindOpen(GUI_EventDialog::kName);
    ASSERT_NE(window, nullptr);
    window->Update();
    window->Update();
    EXPECT_EQ(grudges(), 1);
}

TEST_F(GameWindows, ADilemmaPutAsideStaysOpenForAnAnswer)
{
    StartGame(17);
    SIM_Dilemma* dilemma = SIM_DilemmaManager::Get().Dilemmas().at(0);
    dilemma->Trigger();
    GUI_DilemmaDialog::OpenPending();
    ASSERT_TRUE(GUI_GameWindow::IsOpen(GUI_DilemmaDialog::kName));
    GUI_DilemmaDialog::Close();
    GetWindowManager().DeletePending();
    EXPECT_TRUE(dilemma->IsPending());
    GUI_DilemmaDialog::OpenPending();
    EXPECT_TRUE(GUI_GameWindow::IsOpen(GUI_DilemmaDialog::kName));
}

TEST_F(GameWindows, StartingAfreshForgetsEveryAchievement)
{
    StartGame(18);
    auto& achievements = const_cast<std::vector<Achievement>&>(AchievementList::Get().Achievements());
    ASSERT_FALSE(achievements.empty());
    achievements.front().Achieved = true;
    GUI_AchievementsWindow::Open();
    GUI_GameWindow::FindOpen(GUI_AchievementsWindow::kName)->FindNamedButton("AchievementsReset")->Press();
    EXPECT_TRUE(std::none_of(achievements.begin(), achievements.end(), [](const Achievement& a) { return a.Achieved; }));
}

}  // namespace

// --- text cut to fit its column ---------------------------------------------

namespace rendertest {

class FittedText : public TextTest {};

TEST_F(FittedText, WhatDoesNotFitIsCutShortWithDots)
{
    const std::string text = "Velmoran Taxpayers' League";
    const float full = static_cast<float>(Fonts().TextWidth(text));
    EXPECT_EQ(WindowStyle::Fit(text, full), text);
    EXPECT_EQ(WindowStyle::Fit(text, 0.0f), text) << "no width, no limit";
    for (float width : {full - 1.0f, full / 2.0f, 12.0f}) {
        const std::string cut = WindowStyle::Fit(text, width);
        ASSERT_GE(cut.size(), 2u);
        EXPECT_EQ(cut.substr(cut.size() - 2), "..") << width;
        EXPECT_EQ(text.rfind(cut.substr(0, cut.size() - 2), 0), 0u) << width;
        if (cut.size() > 2) {
            EXPECT_LE(Fonts().TextWidth(cut), width) << width;
        }
    }
}

// --- the history graph ---------------------------------------------------------

class HistoryGraphDrawing : public RenderFixture {
protected:
    // Red pixels of the frame: (x, y) pairs.
    std::vector<std::pair<int, int>> RedPixels()
    {
        Grab();
        std::vector<std::pair<int, int>> red;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const Rgba c = Split(At(x, y));
                if (c.r > 200 && c.g < 60 && c.b < 60)
                    red.emplace_back(x, y);
            }
        return red;
    }
};

TEST_F(HistoryGraphDrawing, OldestOnTheLeftAndHighValuesAtTheTop)
{
    GUI_HistoryGraph graph;
    graph.SetRect(10, 10, 150, 110);
    graph.SetRange(0.0f, 1.0f);
    graph.SetSeries({{{0.0f, 0.5f, 1.0f}, 0xFFFF0000u, ""}});
    graph.Draw();
    const auto red = RedPixels();
    ASSERT_FALSE(red.empty());
    const auto leftmost = *std::min_element(red.begin(), red.end());
    const auto rightmost = *std::max_element(red.begin(), red.end());
    EXPECT_GT(leftmost.second, rightmost.second) << "a rising series must climb to the right";
    EXPECT_GT(leftmost.second, 90);
    EXPECT_LT(rightmost.second, 30);
}

TEST_F(HistoryGraphDrawing, ValuesOutsideTheRangeStayInsideTheGraph)
{
    GUI_HistoryGraph graph;
    graph.SetRect(20, 20, 140, 100);
    graph.SetRange(0.5f, 0.5f);  // an empty range is widened, never divided by
    graph.SetSeries({{{-7.0f, 9.0f, std::nanf("")}, 0xFFFF0000u, ""}});
    graph.Draw();
    for (const auto& [x, y] : RedPixels()) {
        EXPECT_GE(x, 18);
        EXPECT_LE(x, 142);
        EXPECT_GE(y, 18);
        EXPECT_LE(y, 102);
    }
}

}  // namespace rendertest
