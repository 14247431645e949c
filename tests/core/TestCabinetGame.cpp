// Forty turns of the first data set with a cabinet in office: every kind of
// happening of a government's life, seen through the model.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "RecordingPresentation.h"
#include "WholeGameTest.h"
#include "gamedata/SIM_Dilemma.h"
#include "gamedata/SIM_DilemmaManager.h"
#include "gamedata/SIM_Event.h"
#include "gamedata/SIM_EventManager.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gamedata/SIM_ReportManager.h"
#include "politics/SIM_Cabinet.h"
#include "politics/SIM_Minister.h"
#include "sim/PoliticalCapital.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyManager.h"

namespace {

class CabinetRecorder : public RecordingPresentation {
public:
    void NoticeMinister(const SIM_Minister&, const SIM_PolicyGroup&, MinisterChange change) override
    {
        ++changes[change];
    }
    std::map<MinisterChange, int> changes;
};

struct Career {
    float loyalty;
    float experience;
};

// Ministers by name (a deleted minister's address may be reused).
std::map<std::string, Career> InOffice()
{
    std::map<std::string, Career> careers;
    for (SIM_Minister* minister : SIM_Cabinet::Get().Pool())
        if (minister->IsInOffice())
            careers[minister->FullName()] = {minister->Loyalty(), minister->Experience()};
    return careers;
}

TEST_F(WholeGameTest, AFortyTurnGovernmentMeetsEveryHappening)
{
    CabinetRecorder screens;
    StartGame(5);
    const std::map<std::string, Career> first = InOffice();
    ASSERT_EQ(first.size(), 7u);
    PoliticalCapital& capital = GetPoliticalCapital();
    int earned = 0;
    int answered = 0;
    int loyaltyMoves = 0;
    bool fired = false;
    bool spent = false;
    for (int i = 0; i < 40; ++i) {
        for (SIM_Dilemma* dilemma : SIM_DilemmaManager::Get().Pending()) {
            ASSERT_TRUE(dilemma->Choose(0));
            EXPECT_FALSE(SIM_IssuesManager::Get().Has(dilemma, ISSUE_DILEMMA));
            ++answered;
        }
        SIM_Policy* rail = GetPolicyManager().FindPolicy("RailSubsidies");
        if (!spent && capital.Available() > rail->IntroductionCost()) {
            const int before = capital.Available();
            rail->Introduce();
            EXPECT_EQ(capital.Available(), before - rail->IntroductionCost());
            spent = true;
        }
        if (!fired && i > 20 && SIM_Cabinet::Get().CanFire()) {
            SIM_Minister* minister = nullptr;
            for (SIM_Minister* candidate : SIM_Cabinet::Get().Pool())
                if (candidate->IsInOffice())
                    minister = candidate;
            SIM_PolicyGroup* post = minister->Job();
            ASSERT_TRUE(SIM_Cabinet::Get().Fire(minister));
            EXPECT_EQ(SIM_Cabinet::Get().MinisterOf(post), nullptr);
            for (size_t n = 0; n < SIM_IssuesManager::Get().Count(); ++n)
                EXPECT_NE(SIM_IssuesManager::Get().At(n).source, static_cast<Neuron*>(minister));
            fired = true;
        }
        const int before = capital.Available();
        const std::map<std::string, Career> last = InOffice();
        NextTurn();
        for (const auto& [name, now] : InOffice())
            loyaltyMoves += last.count(name) && last.at(name).loyalty != now.loyalty;
        earned += std::max(0, capital.Available() - before);
        const auto& reports = SIM_ReportManager::Get().Reports();
        ASSERT_EQ(reports.size(), 5u);
        for (const Report& report : reports)
            EXPECT_FALSE(report.title.empty() || report.body.empty()) << "turn " << i;
    }
    EXPECT_EQ(SimulationState::Get().TurnNumber(), 42);
    EXPECT_FALSE(SimulationState::Get().IsGameOver());

    for (const auto& [name, now] : InOffice()) {
        if (first.count(name)) {
            EXPECT_GT(now.experience, first.at(name).experience) << name;
        }
    }
    EXPECT_GT(loyaltyMoves, 0);
    EXPECT_GT(screens.changes[Presentation::MINISTER_RESIGNED], 0);
    EXPECT_TRUE(fired);
    EXPECT_TRUE(spent);
    EXPECT_GT(earned, 0);
    EXPECT_GT(answered, 0);
    int events = 0;
    for (SIM_Event* event : SIM_EventManager::Get().Events())
        events += event->IsTriggered();
    EXPECT_GT(events, 0);
}

TEST_F(WholeGameTest, AModdersEventJoinsTheGamesOwn)
{
    const std::string folder = UserFolders::Get().ModPath(SIM_EventManager::kFolder);
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/Regatta.txt") << "[config]\nName=Regatta\nGUIName=A Regatta\n";
    StartGame(1);
    EXPECT_NE(SIM_EventManager::Get().Find("Regatta"), nullptr);
    EXPECT_NE(SIM_EventManager::Get().Find("DebtCeilingReached"), nullptr);
}

}  // namespace
