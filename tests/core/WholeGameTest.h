#pragma once
// A whole game on the first data set with a small population: the setup
// file is copied with 300 voters into a scratch user folder.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "gamedata/CFinances.h"
#include "gamedata/MissionList.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SetupSection.h"
#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"
#include "politics/ElectionManager.h"
#include "sim/Calendar.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/OpinionPoll.h"
#include "sim/SimRandom.h"
#include "sim/SimulationState.h"
#include "sim/TurnProcessor.h"

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
