#include <gtest/gtest.h>

#include <filesystem>

#include "VoterTestWorld.h"
#include "gamedata/MissionList.h"

namespace {

class TypedNeuron : public Neuron {
public:
    TypedNeuron(int type, const std::string& name)
    {
        SetType(type);
        SetName(name);
    }
};

class MissionTest : public VoterTest {
protected:
    SIM_Mission& mission = SIM_Mission::Get();

    void LoadMission(const std::string& text)
    {
        mission.Clear();
        mission.SetFile(Write("mission.txt", text));
        mission.Load();
    }
};

const char* kMission =
    "[config]\nname=Testland\ndescription=A place for tests\nwealth=300\npopulation=1000000\ndebt=2\n"
    "debtceiling=5\nflag=flag_test.jpg\nbriefing=Do well.\neconomic_cycle_start=-0.5\ncurrency=DOLLARS\n"
    "termlength=5\npartyname=Blue Party\noppname=Red Party\n"
    "[modules]\nCompulsoryVoting=1\nOther\n"
    "[settings]\nGDP=0.4\nMotorist=0.7\nGDP=0.6\nNowhere=0.1\nCrime=0.2\n";

TEST_F(MissionTest, LoadsConfigModulesAndSettingsInFileOrder)
{
    LoadMission(kMission);
    EXPECT_EQ((std::vector<std::string>{mission.Name(), mission.Description(), mission.Flag(), mission.Briefing(),
                                        mission.Currency(), mission.PlayerPartyName(), mission.OppositionPartyName()}),
              (std::vector<std::string>{"Testland", "A place for tests", "flag_test.jpg", "Do well.", "DOLLA",
                                        "Blue Party", "Red Party"}));
    // Population per voter with AIENTITIES 2000; debts in units of the wealth.
    EXPECT_EQ((std::vector<float>{mission.Wealth(), mission.PopulationPerVoter(), mission.StartingDebt(),
                                  mission.DebtCeiling(), mission.EconomicCycleStart()}),
              (std::vector<float>{300, 500, 600, 1500, 0}));
    EXPECT_EQ(mission.TermLength(), 5);
    EXPECT_TRUE(mission.HasModule("CompulsoryVoting") && mission.HasModule("Other"));
    EXPECT_FALSE(mission.HasModule("compulsoryvoting"));

    ASSERT_EQ(mission.Settings().size(), 5u);
    EXPECT_EQ(mission.Settings()[1].first, "Motorist");
    EXPECT_FLOAT_EQ(mission.SettingValue("GDP"), 0.4f);  // the first
    EXPECT_FLOAT_EQ(mission.SettingValue("Absent"), -1.0f);

    // Loading again appends settings: the caller clears between missions.
    mission.Load();
    EXPECT_EQ(mission.Settings().size(), 10u);
    mission.Clear();
    EXPECT_TRUE(mission.Settings().empty());
    EXPECT_TRUE(mission.Modules().empty());
}

TEST_F(MissionTest, TheCycleStartIsClampedMissingThingsAreEmptyAndVotersNeeded)
{
    LoadMission("[config]\neconomic_cycle_start=1.7\n");
    EXPECT_FLOAT_EQ(mission.EconomicCycleStart(), 1.0f);
    EXPECT_EQ(mission.Name(), "");
    EXPECT_FLOAT_EQ(mission.Wealth(), 0.0f);
    EXPECT_TRUE(mission.Modules().empty());

    mission.Clear();
    mission.SetFile(dir.Path() + "/absent.txt");
    mission.Load();
    EXPECT_EQ(mission.TermLength(), 0);
    EXPECT_TRUE(mission.Settings().empty());

    SetTuningValue("AIENTITIES", "0");  // a population per voter needs voters
    EXPECT_THROW(LoadMission(kMission), FatalErrorRaised);
}

TEST_F(MissionTest, SettingsApplyInFileOrderByKindOfNeuron)
{
    auto* gdp = new TypedNeuron(NEURON_SIMVAL, "GDP");
    auto* crime = new TypedNeuron(NEURON_SIMVAL, "Crime");
    new TypedNeuron(NEURON_POLICY, "Tax");
    auto* plain = new TypedNeuron(NEURON_PLAIN, "Plain");
    SIM_VoterType* motorist = AddGroup("Motorist", 0.3f);
    LoadMission(kMission);
    mission.AddSetting("Tax", 0.5f);
    mission.AddSetting("Plain", 0.9f);
    mission.AddSetting("Motorist", 1.5f);

    LogCapture log;
    mission.ApplySettings();
    EXPECT_FLOAT_EQ(gdp->GetBaseValue(), 0.6f);  // the later line wins
    EXPECT_FLOAT_EQ(crime->GetBaseValue(), 0.2f);
    EXPECT_FLOAT_EQ(plain->GetBaseValue(), 0.0f);
    EXPECT_FLOAT_EQ(motorist->ShareNeuron().GetBaseValue(), 1.5f);  // reported, still set
    EXPECT_FLOAT_EQ(motorist->ShareNeuron().GetValue(), 1.5f);
    EXPECT_FLOAT_EQ(motorist->GetBaseValue(), 0.0f);
    EXPECT_TRUE(log.Contains("failed to find Nowhere"));
    EXPECT_TRUE(log.Contains("Motorist"));

    // A setting's name keeps its trailing space; notes, blank lines and other sections are skipped.
    LoadMission("[Settings]\r\n; a note\r\nGDP =0.9\r\n\r\nCrime=0.25\r\n[other]\r\nTax=1\r\n");
    ASSERT_EQ(mission.Settings().size(), 2u);
    EXPECT_EQ(mission.Settings()[0].first, "GDP ");
    EXPECT_EQ(mission.Settings()[1], std::make_pair(std::string("Crime"), 0.25f));
    log.Clear();
    mission.ApplySettings();
    EXPECT_FLOAT_EQ(gdp->GetBaseValue(), 0.6f);
    EXPECT_TRUE(log.Contains("failed to find GDP "));
}

TEST_F(MissionTest, MoneyIsShownInMillionsOrBillionsWithOneSeparator)
{
    mission.SetCurrency("$");
    EXPECT_EQ(mission.FormatMoney(950.0f), "$ 950.00 Mn");
    EXPECT_EQ(mission.FormatMoney(1000.0f), "$ 1,000.00 Mn");
    EXPECT_EQ(mission.FormatMoney(2500.0f), "$ 2.50 Bn");
    EXPECT_EQ(mission.FormatMoney(1500000.0f), "$ 1,500.00 Bn");
    EXPECT_EQ(mission.FormatMoney(-5000.0f), "$ -5000.00 Mn");
    EXPECT_EQ(mission.FormatMoney(0.0f), "$ 0.00 Mn");
    mission.SetCurrency("EUROS!");
    EXPECT_EQ(mission.Currency(), "EUROS");
}

TEST_F(MissionTest, TheListTakesBothFoldersSortedByGuiIdStably)
{
    std::string base = dir.Path() + "/base", mods = dir.Path() + "/user/mods/data/missions";
    std::filesystem::create_directories(base);
    std::filesystem::create_directories(mods);
    auto write = [](const std::string& path, int id, const std::string& name) {
        WriteText(path, "[config]\nname=" + name + "\ngui_id=" + std::to_string(id) + "\nthumb=" + name + ".jpg\n");
    };
    write(base + "/b.txt", 2, "BaseTwo");
    write(base + "/a.txt", 5, "BaseFive");
    write(base + "/c.txt", 1, "BaseOne");
    write(base + "/notes.ini", 0, "NotAMission");
    write(mods + "/notes.ini", 0, "NotAMission");
    write(mods + "/z.txt", 2, "ModTwo");
    write(mods + "/y.txt", 0, "ModZero");

    auto missions = MissionList::List({base + "/*.txt", mods + "/*.txt"});
    std::vector<std::string> names;
    for (const auto& m : missions)
        names.push_back(m.name);
    EXPECT_EQ(names, (std::vector<std::string>{"ModZero", "BaseOne", "BaseTwo", "ModTwo", "BaseFive"}));
    EXPECT_EQ(missions[1].thumb, "BaseOne.jpg");
    EXPECT_EQ(missions[1].path, base + "/c.txt");

    // A user folder's mod missions sort in among the shipped ones.
    write(mods + "/z.txt", 1000, "ModLater");
    write(mods + "/y.txt", -1, "ModFirst");
    auto shipped = MissionList::List("");
    missions = MissionList::List(dir.Path() + "/user");
    ASSERT_EQ(missions.size(), shipped.size() + 2);
    EXPECT_EQ(missions.front().name, "ModFirst");
    EXPECT_EQ(missions.front().path, mods + "/y.txt");
    EXPECT_EQ(missions.back().name, "ModLater");
    for (size_t i = 0; i < shipped.size(); ++i)
        EXPECT_EQ(missions[i + 1].path, shipped[i].path);
    // The update check's downloads are read like mods, after them.
    std::filesystem::create_directories(dir.Path() + "/user/web/data/missions");
    write(dir.Path() + "/user/web/data/missions/w.txt", 1000, "Downloaded");
    missions = MissionList::List(dir.Path() + "/user");
    EXPECT_EQ(missions.back().name, "Downloaded");
}

}  // namespace
