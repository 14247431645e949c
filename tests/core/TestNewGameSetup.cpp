#include <gtest/gtest.h>

#include "VoterTestWorld.h"
#include "TestSupport.h"
#include "gamedata/NewGameSetup.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "politics/ElectionManager.h"

namespace {

class NewGameSetupTest : public VoterTest {
protected:
    SIM_Mission& mission = SIM_Mission::Get();
    NewGameSetup setup;
    const std::vector<NewGameSetup::SliderRow> rows{{"GDP", "Economy"}, {"Crime", "Crime"}};
    const std::vector<std::string> parties{"Alpha", "Beta", "Gamma"};

    void Choose(const std::string& file, const std::string& text)
    {
        mission.Clear();
        mission.SetFile(Write(file, text));
        mission.Load();
        setup.StartFrom(mission, rows, parties);
    }
    void TearDown() override
    {
        mission.Clear();
        ElectionManager::SetTermLengthMonths(ElectionManager::kDefaultTermMonths);
        VoterTest::TearDown();
    }
};

std::string MissionText(const std::string& name, const std::string& currency, int term, float gdp)
{
    return "[config]\nname=" + name + "\ncurrency=" + currency + "\ntermlength=" + std::to_string(term) +
           "\npartyname=Beta\noppname=Own Party\n[settings]\nGDP=" + std::to_string(gdp) + "\nCrime=0.3\n";
}

TEST_F(NewGameSetupTest, EveryChoiceStartsAgainFromTheMissionChosenLast)
{
    Choose("a.txt", MissionText("Aland", "$", 4, 0.2f));
    setup.SetSliderValue(0, 0.9f);
    setup.StepTermYears(3);
    setup.StepCurrency(2);
    setup.SetCountryName("Typed");
    Choose("b.txt", MissionText("Bland", "\xA3", 6, 0.7f));
    EXPECT_FLOAT_EQ(setup.Sliders()[0].value, 0.7f);
    EXPECT_FLOAT_EQ(setup.Sliders()[1].value, 0.3f);
    EXPECT_EQ(setup.TermYears(), 6);
    EXPECT_EQ(setup.Currency(), "\xA3");
    EXPECT_EQ(setup.CountryName(), "Bland");
    EXPECT_EQ(setup.PlayerParty(), "Beta");
    EXPECT_EQ(setup.OppositionParty(), "Own Party");
}

TEST_F(NewGameSetupTest, TheTermStaysBetweenOneAndTenYears)
{
    const struct {
        int missionTerm;
        int steps;
        int years;
    } cases[] = {{4, 0, 4}, {0, 0, 1}, {25, 0, 10}, {4, -20, 1}, {4, 20, 10}, {10, 1, 10}, {1, -1, 1}};
    for (const auto& c : cases) {
        Choose("m.txt", MissionText("M", "$", c.missionTerm, 0.5f));
        for (int i = 0; i < std::abs(c.steps); ++i)
            setup.StepTermYears(c.steps > 0 ? 1 : -1);
        EXPECT_EQ(setup.TermYears(), c.years) << c.missionTerm << " " << c.steps;
    }
}

TEST_F(NewGameSetupTest, CurrenciesKeepTheMissionsOwnAndNeverWrap)
{
    EXPECT_EQ(NewGameSetup::CurrenciesFor("$"), (std::vector<std::string>{"$", "\xA3", "\x80"}));
    EXPECT_EQ(NewGameSetup::CurrenciesFor("V$"), (std::vector<std::string>{"V$", "$", "\xA3", "\x80"}));
    Choose("m.txt", MissionText("M", "\x80", 4, 0.5f));
    setup.StepCurrency(1);
    EXPECT_EQ(setup.Currency(), "\x80");
    setup.StepCurrency(-5);
    EXPECT_EQ(setup.Currency(), "$");
}

TEST_F(NewGameSetupTest, PartyNamesGoRoundAndNeverMatchTheOtherParty)
{
    Choose("m.txt", MissionText("M", "$", 4, 0.5f));  // player "Beta", opposition not a candidate
    setup.StepOppositionParty(1);
    EXPECT_EQ(setup.OppositionParty(), "Alpha");
    setup.StepOppositionParty(1);  // Beta is the player's
    EXPECT_EQ(setup.OppositionParty(), "Gamma");
    setup.StepOppositionParty(1);
    EXPECT_EQ(setup.OppositionParty(), "Alpha");
    setup.StepPlayerParty(-1);  // Alpha is taken: round to Gamma
    EXPECT_EQ(setup.PlayerParty(), "Gamma");
}

TEST_F(NewGameSetupTest, ApplyingWritesTheChoicesAfterTheMissionsOwnSettings)
{
    Choose("m.txt", MissionText("M", "V$", 4, 0.5f));
    setup.SetSliderValue(0, 0.8f);
    setup.SetSliderValue(1, 7.0f);  // clamped
    setup.StepTermYears(1);
    setup.SetCountryName("Newland");
    setup.Apply(mission);
    ASSERT_EQ(mission.Settings().size(), 4u);
    EXPECT_EQ(mission.Settings()[2], (std::pair<std::string, float>{"GDP", 0.8f}));
    EXPECT_EQ(mission.Settings()[3], (std::pair<std::string, float>{"Crime", 1.0f}));
    EXPECT_EQ(mission.Name(), "Newland");
    EXPECT_EQ(mission.Currency(), "V$");
    EXPECT_EQ(mission.TermLength(), 5);
    EXPECT_EQ(ElectionManager::TermLengthMonths(), 60);
}

TEST_F(NewGameSetupTest, ASliderTheMissionDoesNotSetStopsNamingTheSliderFile)
{
    mission.Clear();
    mission.SetFile(Write("bare.txt", "[config]\nname=Bare\n[settings]\nGDP=0.5\n"));
    mission.Load();
    const std::string message = FatalMessageOf([&] { setup.StartFrom(mission, rows, parties); });
    EXPECT_NE(message.find("data/newgame.gui: Crime"), std::string::npos) << message;
    EXPECT_NE(message.find("no mission default for this value"), std::string::npos) << message;
}

TEST(OptionsToggle, OnlyExactlyOneTurnsOffAndUnlistedOptionsStayUnlisted)
{
    Options& options = Options::Get();
    IniSection saved = options.Section();
    options.Section().Clear();
    options.Section().Add("HALF", "0.5");
    EXPECT_TRUE(options.Toggle("HALF"));
    EXPECT_FALSE(options.Toggle("HALF"));
    EXPECT_TRUE(options.Toggle("HALF"));
    EXPECT_FALSE(options.Toggle("UNLISTED"));
    EXPECT_FALSE(options.Section().Has("UNLISTED"));
    options.Section() = saved;
}

}  // namespace
