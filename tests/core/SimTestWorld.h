#pragma once
// A clean model for the tests of simulation values, situations and policies:
// the managers released, the network cleared, the presentation recorded.
#include <string>

#include "RecordingPresentation.h"
#include "TestSupport.h"
#include "gamedata/SIM_Mission.h"
#include "politics/SIM_VoterManager.h"
#include "sim/CSimulation.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/PoliticalCapital.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_SituationManager.h"

class SimWorldTest : public NetworkTest {
protected:
    void SetUp() override
    {
        ReleaseModel();
        NetworkTest::SetUp();
        GetPoliticalCapital().ResetCapital();
        SIM_Mission::Get().SetWealth(1.0f);
        Diagnostics::ResetAssertionFailures();
    }

    void TearDown() override
    {
        ReleaseModel();
        NetworkTest::TearDown();
    }

    static void ReleaseModel()
    {
        GetSituationManager().Release();
        GetPolicyManager().Release();
        GetSimulation().Release();
        SIM_VoterManager::Get().Release();
    }

    // Writes a file in the test's folder and returns its path.
    std::string Write(const std::string& name, const std::string& text)
    {
        WriteText(dir.Path() + "/" + name, text);
        return dir.Path() + "/" + name;
    }

    static Neuron* Plain(const std::string& name, float value = 0.0f)
    {
        auto* neuron = new Neuron();
        neuron->SetName(name);
        neuron->SetValue(value);
        return neuron;
    }

    TempDir dir;
    RecordingPresentation board;
};
