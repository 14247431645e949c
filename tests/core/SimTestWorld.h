#pragma once
// A clean model for the tests of simulation values, situations and policies:
// the managers released, the network cleared, recording icon board and issues.
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "gamedata/CFinanceObject.h"
#include "sim/CSimulation.h"
#include "sim/IconBoard.h"
#include "sim/IssueNotices.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/PoliticalCapital.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_SituationManager.h"

class RecordingIconBoard : public IconBoard {
public:
    void AddIcon(SIM_PolicyGroup* group, Neuron* neuron) override { added.emplace_back(group, neuron); }
    void RemoveIcon(SIM_PolicyGroup* group, Neuron* neuron) override { removed.emplace_back(group, neuron); }
    std::vector<std::pair<SIM_PolicyGroup*, Neuron*>> added;
    std::vector<std::pair<SIM_PolicyGroup*, Neuron*>> removed;
};

class RecordingIssues : public IssueNotices {
public:
    void AddSituationIssue(SIM_Situation* situation, int kind) override { entries.emplace_back(situation, kind); }
    std::vector<std::pair<SIM_Situation*, int>> entries;
};

class SimWorldTest : public NetworkTest {
protected:
    void SetUp() override
    {
        ReleaseModel();
        NetworkTest::SetUp();
        IconBoard::Set(&board);
        IssueNotices::Set(&issues);
        GetPoliticalCapital().ResetCapital();
        Diagnostics::ResetAssertionFailures();
    }

    void TearDown() override
    {
        ReleaseModel();
        NetworkTest::TearDown();
        IconBoard::Set(nullptr);
        IssueNotices::Set(nullptr);
        SIM_Policy::SetVoterGroupSource(nullptr);
        CFinanceObject::SetDifficultySource(nullptr);
        CFinanceObject::SetWealthSource(nullptr);
    }

    static void ReleaseModel()
    {
        GetSituationManager().Release();
        GetPolicyManager().Release();
        GetSimulation().Release();
    }

    // Writes a file in the test's folder and returns its path.
    std::string Write(const std::string& name, const std::string& text)
    {
        std::string path = dir.Path() + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    static Neuron* Plain(const std::string& name, float value = 0.0f)
    {
        auto* neuron = new Neuron();
        neuron->SetName(name);
        neuron->SetValue(value);
        return neuron;
    }

    TempDir dir;
    RecordingIconBoard board;
    RecordingIssues issues;
};
