#include <gtest/gtest.h>

#include <filesystem>

#include "SimTestWorld.h"
#include "politics/SIM_Voter.h"
#include "politics/SIM_VoterType.h"
#include "sim/PolicyGroupMinister.h"
#include "sim/SIM_PlayerNeuron.h"
#include "sim/SimulationState.h"

namespace {

class FakeMinister : public PolicyGroupMinister {
public:
    FakeMinister(float competence, float ability) : competence_(competence), ability_(ability) {}
    float Competence() const override { return competence_; }
    float AbilityIn(int) const override { return ability_; }

private:
    float competence_;
    float ability_;
};

// 15 fields, the marker, then the effects.
std::string PolicyRecord(const std::string& name, const std::string& flags = "", const std::string& group = "TAX",
                         const std::string& turns = "4", const std::string& effects = "\"Crime,0+(0.5*x)\"",
                         const std::string& costLines = "", const std::string& incomeLines = "")
{
    return "#," + name + ",The " + name + ",Steps,\"Describes, with a comma\"," + flags + ",7," + group +
           ",10,110,\"" + costLines + "\"," + turns + ",0,100,\"" + incomeLines + "\",#Effects," + effects + "\n";
}

class PolicyTest : public SimWorldTest {
protected:
    void SetUp() override
    {
        SimWorldTest::SetUp();
        crime = Plain("Crime", 0.3f);
        sliders = Write("sliders.csv", "#,Steps,5,None,Low,Mid,High,Max\n");
    }

    void Load(const std::string& records, const std::string& modPattern = "")
    {
        GetPolicyManager().Init(Write("policies.csv", "A comment line\n" + records), modPattern, sliders, "");
        GetPolicyManager().ReadPolicyFields();
    }

    SIM_Policy* Find(const std::string& name) { return GetPolicyManager().FindPolicy(name); }

    // One turn of the network as the turn processing runs it.
    static void Turn()
    {
        NeuralEffect::UpdateAllEffects();
        Neuron::RecalculateAll();
        Neuron::EndTurnAll();
    }

    Neuron* crime = nullptr;
    std::string sliders;
};

TEST_F(PolicyTest, RecordIsReadInTwoPhasesAndModFilesGiveOnlyTheirFirstLine)
{
    std::filesystem::create_directory(dir.Path() + "/mods");
    Write("mods/a.txt", PolicyRecord("ModOne") + PolicyRecord("ModTwo"));
    Write("mods/b.txt", "#,short\n" + PolicyRecord("ModThree"));
    std::string records = "comment\n" +
                          PolicyRecord("Tariffs", "UNCANCELLABLE;MULTIPLYINCOME", "TAX", "4", "\"Crime,0+(0.5*x)\"",
                                       "Crime,0.5+(1.0*x);_default_,0.1") +
                          PolicyRecord("Lower", "uncancellable;multiplyincome", "TAX", "4", "\"Crime,0+(0.5*x)\"", "x");
    GetPolicyManager().Init(Write("policies.csv", records), dir.Path() + "/mods/*.txt", sliders, "");
    std::vector<std::string> names;
    for (SIM_Policy* each : SIM_PolicyManager::AllPolicies())
        names.push_back(each->GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"Tariffs", "Lower", "ModOne"}));
    SIM_Policy* policy = Find("Tariffs");
    ASSERT_NE(policy, nullptr);
    EXPECT_FLOAT_EQ(policy->GetValue(), 0.5f);
    EXPECT_EQ(policy->CostNeuron().GetName(), "Tariffs_cost");
    EXPECT_EQ(policy->Group(), nullptr) << "fields are read only in the second phase";
    EXPECT_EQ(policy->PlayerNeuron(), nullptr);

    GetPolicyManager().ReadPolicyFields();
    EXPECT_EQ(policy->GetDisplayName(), "The Tariffs");
    EXPECT_EQ(policy->Description(), "Describes, with a comma");
    ASSERT_NE(policy->Slider(), nullptr);
    ASSERT_NE(policy->Group(), nullptr);
    EXPECT_EQ(policy->Group()->Name(), "TAX");
    EXPECT_EQ((std::vector<float>{static_cast<float>(policy->IntroductionCost()), policy->CostAtZero(),
                                  policy->CostAtFull(), policy->IncomeAtFull()}),
              (std::vector<float>{7, 10, 110, 100}));
    EXPECT_EQ(policy->ImplementationTurns(), 4);
    // The cost lines replace the base 1.0: "_default_" sets it, Crime feeds it.
    EXPECT_FLOAT_EQ(policy->CostNeuron().GetBaseValue(), 0.1f);
    ASSERT_EQ(policy->CostNeuron().Incoming().size(), 1u);
    EXPECT_EQ(policy->CostNeuron().Incoming()[0]->GetSource(), crime);
    // A field of one character or none leaves the multiplier alone.
    EXPECT_FLOAT_EQ(policy->IncomeNeuron().GetBaseValue(), 1.0f);
    EXPECT_FLOAT_EQ(Find("Lower")->CostNeuron().GetBaseValue(), 1.0f);
    // Flags match exactly.
    EXPECT_FALSE(policy->IsCancellable());
    EXPECT_EQ(policy->IncomeNeuron().GetCombination(), COMBINE_PRODUCT);
    EXPECT_TRUE(Find("Lower")->IsCancellable());
    EXPECT_EQ(Find("Lower")->IncomeNeuron().GetCombination(), COMBINE_SUM);

    ASSERT_NE(policy->PlayerNeuron(), nullptr);
    ASSERT_EQ(policy->Incoming().size(), 1u);
    EXPECT_EQ(policy->Incoming()[0]->GetSteps(), 4);
    EXPECT_TRUE(policy->Outgoing().empty()) << "effects wait for the first introduction";
    EXPECT_EQ(Diagnostics::AssertionFailures(), 0);
}

TEST_F(PolicyTest, FatalRecordsStopWithTheirMessageAndTheLineIsLogged)
{
    FatalCatcher catcher;
    struct Case {
        std::string records;
        const char* message;
    } cases[] = {
        {PolicyRecord("Fine") + PolicyRecord("Tariffs", "", "TAX", "4", "\"Crime,0+(0.5*x)\",\"Nobody,0+(0.5*x)\""),
         "cant find Nobody in Tariffs"},
        {PolicyRecord("Fine") + "#,Broken,B,Steps,d,,0,TAX,1,1,,2,0,0,,#effects,\"Crime,0+(1*x)\"\n",
         "Policy data corrupted"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ReleaseModel();
        LogCapture log;
        try {
            Load(c.records);
            FAIL() << "no fatal error";
        } catch (const FatalErrorRaised& error) {
            EXPECT_EQ(error.message, c.message);
        }
        EXPECT_TRUE(log.Contains("policies.csv line 3"));
    }
    EXPECT_EQ(SIM_PolicyManager::AllPolicies().size(), 1u) << "the corrupt policy (the last case) is in no list";
}

TEST_F(PolicyTest, OddFieldsAreReportedNamingTheLine)
{
    LogCapture log;
    Load("#,Odd,Odd,NoSlider,d,,0,NOGROUP,1,1,,2,0,0,,#Effects\n" + PolicyRecord("Hasty", "", "TAX", "0"));
    EXPECT_EQ(Find("Odd")->Slider(), nullptr);
    EXPECT_EQ(Find("Odd")->Group(), nullptr);
    EXPECT_EQ(Diagnostics::AssertionFailures(), 2);
    EXPECT_TRUE(log.Contains("policies.csv line 2"));
    // Zero implementation turns are taken as one.
    EXPECT_TRUE(log.Contains("policies.csv line 3"));
    Find("Hasty")->Introduce();
    Find("Hasty")->AdvanceImplementation();
    EXPECT_FLOAT_EQ(Find("Hasty")->Implementation(), 0.5f);
}

TEST_F(PolicyTest, SliderMovesThePolicyInEqualStepsOverItsImplementationTurns)
{
    Load(PolicyRecord("Tariffs"));
    SIM_Policy* policy = Find("Tariffs");
    policy->Introduce();
    Turn();
    EXPECT_FLOAT_EQ(policy->GetValue(), 0.5f);
    policy->SetPlayerSetting(1.0f);
    for (float expected : {0.75f, 1.0f, 1.0f}) {
        Turn();
        EXPECT_FLOAT_EQ(policy->GetValue(), expected);
    }
    // During game setup the value jumps at once.
    policy->SetPlayerSetting(0.0f);
    NeuralEffect::SetInitialising(true);
    Turn();
    NeuralEffect::SetInitialising(false);
    EXPECT_FLOAT_EQ(policy->GetValue(), 0.0f);
}

TEST_F(PolicyTest, TheMinisterialFactorWeighsCostIncomeEffectsAndImplementation)
{
    Load(PolicyRecord("Tariffs"));
    SIM_Policy* policy = Find("Tariffs");
    policy->Recalculate();  // no minister: factor 0.5, income x 0.5, cost x 1.5
    EXPECT_FLOAT_EQ(policy->CostAt(0.5f), 60.0f * 1.5f);
    EXPECT_FLOAT_EQ(policy->IncomeAt(1.0f), 100.0f * 0.5f);
    EXPECT_FLOAT_EQ(policy->CurrentCost(), policy->CostAt(policy->GetValue()));
    // The cost multiplier neuron scales the cost; below 0 counts as nothing.
    policy->CostNeuron().SetValue(-0.5f);
    EXPECT_FLOAT_EQ(policy->CostAt(0.5f), 0.0f);
    policy->CostNeuron().SetValue(0.5f);
    EXPECT_FLOAT_EQ(policy->CostAt(0.5f), 45.0f);

    policy->Introduce();
    policy->SetInForce(0.5f);
    // 0.5 x 0.5 = 0.25 from the formula, then implementation 0.5, factor 0.5.
    EXPECT_FLOAT_EQ(policy->Outgoing().at(0)->GetEffectiveOutput(), 0.0625f);
    policy->SetImplementation(0.0f);
    policy->AdvanceImplementation();
    EXPECT_FLOAT_EQ(policy->Implementation(), 0.125f);

    FakeMinister perfect(1.0f, 1.0f);
    policy->Group()->SetMinister(&perfect);
    EXPECT_FLOAT_EQ(policy->MinisterialFactor(), 1.0f);
    policy->AdvanceImplementation();
    EXPECT_FLOAT_EQ(policy->Implementation(), 0.375f);
    for (int i = 0; i < 5; ++i)
        GetPolicyManager().AdvanceImplementation();
    EXPECT_FLOAT_EQ(policy->Implementation(), 1.0f);

    FakeMinister middling(0.8f, 0.5f);
    policy->Group()->SetMinister(&middling);
    EXPECT_FLOAT_EQ(policy->MinisterialFactor(), 0.7f);
    policy->Recalculate();
    EXPECT_FLOAT_EQ(policy->IncomeMultiplier(), 0.7f);
    EXPECT_FLOAT_EQ(policy->CostMultiplier(), 1.3f);
    policy->Group()->SetMinister(nullptr);
}

TEST_F(PolicyTest, IntroduceCancelAndReintroduceAtTheMiddleSetting)
{
    Load(PolicyRecord("Tariffs"));
    SIM_Policy* policy = Find("Tariffs");
    GetPoliticalCapital().SetAvailable(5);
    policy->Introduce();
    EXPECT_EQ(GetPoliticalCapital().Available(), 0) << "a cost above the capital leaves 0";
    EXPECT_EQ(SIM_PolicyManager::ActivePolicies(), std::vector<SIM_Policy*>{policy});
    EXPECT_EQ(policy->Group()->Policies(), std::vector<SIM_Policy*>{policy});
    ASSERT_EQ(board.added.size(), 1u);
    EXPECT_EQ(policy->Outgoing().size(), 1u);
    policy->Introduce();  // already active: nothing happens
    EXPECT_EQ(board.added.size(), 1u);

    policy->SetPlayerSetting(1.0f);
    for (int i = 0; i < 3; ++i) {
        GetPolicyManager().AdvanceImplementation();
        Turn();
    }
    policy->Cancel();
    EXPECT_TRUE(SIM_PolicyManager::ActivePolicies().empty());
    EXPECT_TRUE(policy->Group()->Policies().empty());
    EXPECT_EQ(board.removed.size(), 1u);
    EXPECT_FLOAT_EQ(policy->Implementation(), 0.0f);
    EXPECT_FLOAT_EQ(policy->GetValue(), 0.0f);
    Turn();

    policy->Introduce();
    EXPECT_FLOAT_EQ(policy->PlayerSetting(), 0.5f);
    EXPECT_EQ(policy->Outgoing().size(), 1u) << "no second set of effects";
    EXPECT_FLOAT_EQ(policy->PlayerEffect()->GetTargetInput(), 0.5f);
    // The old setting of 1.0 must not pull the value up again.
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(policy->GetValue(), 0.5f);
        Turn();
    }
}

TEST_F(PolicyTest, MissionSettingsAndUncancellablePoliciesAreInForceAtOnce)
{
    Load(PolicyRecord("Tariffs") + PolicyRecord("Quiet") + PolicyRecord("IncomeTax", "UNCANCELLABLE") +
         PolicyRecord("Optional"));
    Find("Tariffs")->ApplyMissionSetting(0.25f);
    Find("Quiet")->Introduce();
    Find("Quiet")->ApplyMissionSetting(0.75f);
    GetPolicyManager().IntroduceUncancellablePolicies();
    for (auto [name, value] : {std::pair{"Tariffs", 0.25f}, std::pair{"Quiet", 0.75f}, std::pair{"IncomeTax", 0.5f}}) {
        SIM_Policy* policy = Find(name);
        EXPECT_TRUE(policy->IsActive()) << name;
        EXPECT_FLOAT_EQ(policy->PlayerSetting(), value) << name;
        EXPECT_FLOAT_EQ(policy->GetValue(), value) << name;
        EXPECT_FLOAT_EQ(policy->Implementation(), 1.0f) << name;
    }
    EXPECT_FALSE(Find("Optional")->IsActive());
}

TEST_F(PolicyTest, PopularityIsWeightedByMemberCount)
{
    for (auto [name, members] : {std::pair{"Small", 1}, std::pair{"Large", 3}, std::pair{"Untouched", 10}}) {
        auto* group = new SIM_VoterType();
        group->SetNames(name, name);
        SIM_VoterManager::Get().AdoptVoterType(group);
        for (int i = 0; i < members; ++i)
            group->AddMember(new SIM_Voter());
    }
    Load(PolicyRecord("Tariffs", "", "TAX", "4", "\"Small,0+(0.2*x)\",\"Large,0-(0.1*x)\",\"Small,0+(0.9*x)\"") +
         PolicyRecord("Quiet", "", "TAX", "4", "\"Crime,0+(0.2*x)\""));
    SIM_Policy* policy = Find("Tariffs");
    FakeMinister perfect(1.0f, 1.0f);
    policy->Group()->SetMinister(&perfect);
    policy->SetPlayerSetting(1.0f);
    policy->Introduce();
    policy->SetInForce(1.0f);
    Find("Quiet")->Introduce();
    GetPolicyManager().ComputePopularity();
    // (1 x 0.2 + 3 x -0.1) / 4 = -0.025; only the first effect into Small counts.
    EXPECT_FLOAT_EQ(policy->Popularity(), 0.475f);
    EXPECT_FLOAT_EQ(Find("Quiet")->Popularity(), 0.5f) << "no voter group affected";

    EXPECT_FLOAT_EQ(policy->Group()->Popularity(7), 0.475f);
    policy->SetImplementation(0.0f);  // cached for the same turn
    EXPECT_FLOAT_EQ(policy->Group()->Popularity(7), 0.475f);
    EXPECT_FLOAT_EQ(policy->Group()->Popularity(8), 0.5f);
    policy->SetImplementation(1.0f);
    SimulationState::Get().SetTurnNumber(9);
    EXPECT_FLOAT_EQ(policy->Group()->Popularity(), 0.475f);
    SimulationState::Get().Reset();
    policy->Group()->SetMinister(nullptr);
}

TEST_F(PolicyTest, ReleaseTakesTheIconsAndKeepsTheGroupsAndClearingTheNetworkEmptiesTheLists)
{
    Load(PolicyRecord("Tariffs") + PolicyRecord("Other"));
    SIM_PolicyGroup* tax = GetPolicyManager().FindGroup("TAX");
    FakeMinister minister(1.0f, 1.0f);
    tax->SetMinister(&minister);
    Find("Tariffs")->Introduce();
    ASSERT_EQ(board.added.size(), 1u);
    GetPolicyManager().Release();
    ASSERT_EQ(board.removed.size(), 1u);
    EXPECT_EQ(board.removed[0], board.added[0]);
    EXPECT_EQ(GetPolicyManager().FindGroup("TAX"), tax);
    EXPECT_TRUE(tax->Policies().empty());
    EXPECT_EQ(tax->Minister(), nullptr);
    Load(PolicyRecord("Tariffs") + PolicyRecord("Other"));
    EXPECT_EQ(Find("Tariffs")->Group(), tax);
    EXPECT_FLOAT_EQ(Find("Tariffs")->MinisterialFactor(), 0.5f);

    Find("Tariffs")->Introduce();
    ResetNetwork();
    EXPECT_TRUE(SIM_PolicyManager::AllPolicies().empty());
    EXPECT_TRUE(SIM_PolicyManager::ActivePolicies().empty());
    EXPECT_EQ(Neuron::Count(), 0u);
}

TEST_F(PolicyTest, IconIsFoundWithoutRegardToCase)
{
    auto previous = std::filesystem::current_path();
    std::filesystem::create_directories(dir.Path() + "/data/bitmaps/policies");
    std::filesystem::create_directories(dir.Path() + "/data/mods/bitmaps");
    Write("data/bitmaps/policies/Icons_IncomeTax.DDS", "x");
    Write("data/mods/bitmaps/icons_petroltax.dds", "x");
    std::filesystem::current_path(dir.Path());
    std::string tax = SIM_Policy::FindIcon("IncomeTax");
    std::string petrol = SIM_Policy::FindIcon("PetrolTax");
    std::string none = SIM_Policy::FindIcon("Prisons");
    std::filesystem::current_path(previous);
    EXPECT_EQ(tax, "icons_incometax.dds");
    EXPECT_EQ(petrol, "icons_petroltax.dds");
    EXPECT_EQ(none, "");
}

}  // namespace
