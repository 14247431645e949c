#pragma once
// A whole game on the first data set with a small population: the setup
// file is copied with 300 voters into a scratch user folder.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "TestSupport.h"
#include "gamedata/MissionList.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SetupSection.h"
#include "gamedata/UserFolders.h"
#include "platform/PlatformFiles.h"
#include "politics/ElectionManager.h"
#include "politics/SIM_Manifesto.h"
#include "sim/Calendar.h"
#include "sim/SimRandom.h"
#include "sim/SimulationState.h"
#include "sim/TurnProcessor.h"

class WholeGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string setup;
        ASSERT_TRUE(PlatformFiles::ReadFile("data/data.ini", setup));
        std::string setupFile = dir.Path() + "/data.ini";
        WriteText(setupFile, std::regex_replace(setup, std::regex("AIENTITIES=[^\r\n]*"), "AIENTITIES=300"));
        UserFolders::Get().SetBaseFolder(dir.Path());
        UserFolders::Get().Create();
        SetupSection::Load(setupFile);
        Options::Get().Load();
        SIM_Manifesto::Get().LoadPledgeTypes();
        SetRunning(true);
    }
    void TearDown() override
    {
        TurnProcessor::Get().ReleaseGame();
        Options::Get().Load();  // a test may have changed an option
        SetupSection::Load();
        SimulationState::Get().Reset();
    }
    static void StartGame(uint32_t seed)
    {
        SIM_Mission& mission = SIM_Mission::Get();
        mission.Clear();
        mission.SetFile(MissionList::List("").at(0).path);
        mission.Load();
        ElectionManager::SetTermLengthYears(mission.TermLength());
        Calendar::Get().Set(0, 0);
        SimRandom::Seed(seed);
        SetUpGame("test");
    }

    TempDir dir;
};
