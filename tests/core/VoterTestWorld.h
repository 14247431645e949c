#pragma once
// A clean population model for the voter and mission tests: the clean model
// of SimTestWorld.h, and no voters or groups, no parties, an empty mission
// and chosen tuning numbers.
#include <map>
#include <string>
#include <vector>

#include "SimTestWorld.h"
#include "gamedata/NamePool.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/SetupSection.h"
#include "politics/CynicismTracker.h"
#include "politics/OpinionInputs.h"
#include "politics/SIM_Manifesto.h"
#include "politics/SIM_Party.h"
#include "politics/SIM_Voter.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "politics/TurnoutWeights.h"
#include "sim/SimRandom.h"
#include "sim/SlotList.h"

// The tuning numbers the tests start from (the shipped file's shape).
inline std::map<std::string, std::string> StandardTuning()
{
    return {
        {"voters", "data/simulation/votertypes.csv"}, {"AIENTITIES", "2000"},
        {"POOR_INCOME_THRESHOLD", "0.3"}, {"WEALTHY_INCOME_THRESHOLD", "0.7"}, {"WEALTHY_INCOME_MAX", "1.0"},
        {"VOTER_GROUP_MEMBERSHIP_THRESHHOLD", "0.5"},
        {"VOTER_OPPOSITION_INCREASE_SYMPATHY_BELOW", "0.35"}, {"VOTER_OPPOSITON_SYMPATHY_GAIN", "0.03"},
        {"VOTER_OPPOSITION_DECREASE_SYMPATHY_ABOVE", "0.5"}, {"VOTER_OPPOSITON_SYMPATHY_DECAY", "0.02"},
        {"VOTER_PLAYER_INCREASE_SYMPATHY_ABOVE", "0.65"}, {"VOTER_PLAYER_SYMPATHY_GAIN", "0.03"},
        {"VOTER_PLAYER_DECREASE_SYMPATHY_BELOW", "0.5"}, {"VOTER_PLAYER_SYMPATHY_DECAY", "0.02"},
        {"VOTER_OPPOSITION_JOIN_THRESHHOLD", "0.6"}, {"VOTER_PLAYER_JOIN_THRESHHOLD", "0.6"},
        {"VOTER_OPPOSITION_LEAVE_THRESHHOLD", "0.2"}, {"VOTER_PLAYER_LEAVE_THRESHHOLD", "0.2"},
        {"VOTING_OPINION_EFFECT_MULTIPLIER", "0.5"}, {"VOTING_TENDENCY_EFFECT_MULTIPLIER", "0.4"},
        {"VOTING_PARTY_EFFECT_MULTIPLIER", "0.3"},
    };
}

class VoterTest : public SimWorldTest {
protected:
    void SetUp() override
    {
        ResetModel();
        SimWorldTest::SetUp();
        SimRandom::Seed(12345);
        SetTuning(StandardTuning());
        NamePool::Get().LoadNames(RULECRAFT_SOURCE_DIR "/data/simulation/names.txt");
    }

    void TearDown() override
    {
        ResetModel();
        SimWorldTest::TearDown();
        SetupSection::Load(RULECRAFT_SOURCE_DIR "/data/data.ini");
    }

    static void ResetModel()
    {
        SIM_VoterManager::Get().Release();
        SIM_VoterManager::Get().SetPopulationSize(0);
        for (SIM_Party* party : SIM_Party::AllParties())
            party->ForgetMembers();
        SIM_Party::DeleteParties();
        CynicismTracker::Get().Reset();
        SIM_Manifesto::Get().ClearManifesto();
        TurnoutWeights::Current() = TurnoutWeights();
        SIM_Mission::Get().Clear();
    }

    // Writes the keys as a setup section and loads it.
    void SetTuning(const std::map<std::string, std::string>& keys)
    {
        tuning = keys;
        std::string text = "[setup]\n";
        for (const auto& [key, value] : keys)
            text += key + "=" + value + "\n";
        SetupSection::Load(Write("data.ini", text));
    }
    void SetTuningValue(const std::string& key, const std::string& value)
    {
        auto keys = tuning;
        keys[key] = value;
        SetTuning(keys);
    }

    // A group of the manager, named, with an initial share.
    SIM_VoterType* AddGroup(const std::string& name, float share = 0.0f, bool exempt = false)
    {
        auto* group = new SIM_VoterType();
        group->SetNames(name, name);
        group->SetInitialShare(share);
        group->ExemptFromMembershipTest = exempt;
        SIM_VoterManager::Get().AdoptVoterType(group);
        return group;
    }

    // Poor, MiddleIncome, Wealthy and the three income values.
    void AddIncomeModel()
    {
        poor = AddGroup("Poor", 0.3f, true);
        middle = AddGroup("MiddleIncome", 0.5f, true);
        wealthy = AddGroup("Wealthy", 0.2f, true);
        SIM_VoterManager::Get().FindIncomeGroups();
        lowIncome = Plain("_LowIncome");
        middleIncome = Plain("_MiddleIncome");
        highIncome = Plain("_HighIncome");
    }

    // Both parties, with the turnout pull each has on the voters leaning to it.
    static void CreateParties(float playerPull = 0.0f, float oppositionPull = 0.0f)
    {
        SIM_Party::CreateParties();
        SIM_Party::FromID(PARTY_PLAYER)->SetTurnoutPull(playerPull);
        SIM_Party::FromID(PARTY_OPPOSITION)->SetTurnoutPull(oppositionPull);
    }
    static size_t PartyMembers(PartyID party) { return SIM_Party::FromID(party)->MemberCount(); }

    // A voter linked to every group of the manager at weight 0 (no member).
    SIM_Voter* NewVoter()
    {
        auto* voter = new SIM_Voter();
        for (SIM_VoterType* group : SIM_VoterManager::Get().VoterTypes())
            group->SetMembership(voter, 0.0f, 0.5f);
        return voter;
    }

    std::map<std::string, std::string> tuning;
    FatalCatcher fatal;
    SIM_VoterType* poor = nullptr;
    SIM_VoterType* middle = nullptr;
    SIM_VoterType* wealthy = nullptr;
    Neuron* lowIncome = nullptr;
    Neuron* middleIncome = nullptr;
    Neuron* highIncome = nullptr;
};
