#include <gtest/gtest.h>

#include "TestSupport.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"

namespace {

// A stand-in for a policy: a source of type 8 whose effects are weighed.
class FakePolicy : public Neuron {
public:
    FakePolicy() { SetType(NEURON_POLICY); }
    float ImplementationLevel() const override { return 0.5f; }
    float MinisterialFactor() const override { return 0.5f; }
};

using EffectTest = NetworkTest;

TEST_F(EffectTest, StepsWalkTheInputUnlessInitialising)
{
    auto* effect = new NeuralEffect(Named("Source"), Named("Target"), "0+(1.0*x)", 1.0f, 0.0f);
    effect->SetSteps(4);
    effect->SetTargetInput(1.0f);
    for (float value : {0.25f, 0.5f, 0.75f, 1.0f, 1.0f}) {
        effect->Update();
        EXPECT_FLOAT_EQ(effect->GetInput(), value);
    }
    effect->SetTargetInput(0.6f);
    effect->Update();
    EXPECT_FLOAT_EQ(effect->GetInput(), 0.75f);
    effect->Update();
    EXPECT_FLOAT_EQ(effect->GetInput(), 0.6f);  // not below the target

    auto* fresh = new NeuralEffect(Named("Source2"), Named("Target2"), "0+(1.0*x)", 1.0f, 0.0f);
    fresh->SetSteps(4);
    fresh->SetTargetInput(1.0f);
    NeuralEffect::SetInitialising(true);
    EXPECT_FLOAT_EQ(fresh->GetEffectiveOutput(), 1.0f);
    NeuralEffect::SetInitialising(false);
}

TEST_F(EffectTest, LastChangeIsTheWholeOutputFirstThenOnlyTheInertialStep)
{
    // One step: the input jumps to its target before the old output is taken,
    // so a new target shows no change. Four steps: the change is one step's worth.
    auto* first = new NeuralEffect(Named("Source"), Named("Target"), "0+(-1*x)", 1.0f, 0.3f);
    auto* jump = new NeuralEffect(Named("Source1"), Named("Target1"), "0+(1.0*x)", 2.0f, 0.0f);
    auto* walk = new NeuralEffect(Named("Source2"), Named("Target2"), "0+(1.0*x)", 2.0f, 0.0f);
    walk->SetSteps(4);
    NeuralEffect::UpdateAllEffects();
    EXPECT_FLOAT_EQ(first->GetLastChange(), 1.0f);
    jump->SetTargetInput(1.0f);
    walk->SetTargetInput(1.0f);
    NeuralEffect::UpdateAllEffects();
    EXPECT_FLOAT_EQ(first->GetLastChange(), 0.0f);
    EXPECT_FLOAT_EQ(jump->GetLastChange(), 0.0f);
    EXPECT_FLOAT_EQ(jump->GetOutput(), 2.0f);
    EXPECT_FLOAT_EQ(walk->GetLastChange(), 0.5f);
    EXPECT_FLOAT_EQ(walk->GetOutput(), 0.5f);
}

TEST_F(EffectTest, AnEffectWithoutANumberCountsAsNothingAndIsLoggedOnce)
{
    struct Case {
        const char* formula;
        float x;
        float value;  // of the target, base 0.3
        bool logged;
    };
    const Case cases[] = {
        {"0*(x/0)", 0.5f, 0.3f, true},    // 0 * infinity
        {"0+(x/x)", 0.0f, 0.3f, true},    // 0 / 0
        {"0+(x/0)", 0.5f, 1.0f, false},   // infinities clamp as before
        {"0-(x/0)", 0.5f, -1.0f, false},
        {"0+(1.0*x)", 0.5f, 0.8f, false},
    };
    for (const Case& c : cases) {
        ResetNetwork();
        LogCapture log;
        Neuron* target = Named("Target");
        target->SetBaseValue(0.3f);
        new NeuralEffect(Named("Source", c.x), target, c.formula, 1.0f, c.x);
        for (int turn = 0; turn < 3; ++turn) {
            NeuralEffect::UpdateAllEffects();
            EXPECT_FLOAT_EQ(target->Recalculate(), c.value) << c.formula;
        }
        int reports = 0;
        for (const std::string& line : log.Lines())
            reports += line.find("Source on Target") != std::string::npos && line.find(c.formula) != std::string::npos;
        EXPECT_EQ(reports, c.logged ? 1 : 0) << c.formula;
    }
}

TEST_F(EffectTest, PolicySourcesAreWeighedAndEvaluationsLeaveTheEffectAlone)
{
    auto* policy = new FakePolicy();
    auto* effect = new NeuralEffect(policy, Named("Target"), "0.5*(x+1)", 2.0f, 0.2f);
    effect->SetSteps(4);
    effect->SetTargetInput(0.6f);
    EXPECT_FLOAT_EQ(effect->GetOutput(), 0.0f);  // nothing computed yet
    EXPECT_FLOAT_EQ(effect->EvaluateAtInput(), 0.6f);   // formula at 0.2, no weights
    EXPECT_FLOAT_EQ(effect->EvaluateAtTarget(), 0.8f);  // formula at 0.6, no multiplier
    // Curves show the multiplier and the minister's weight, not the implementation.
    EXPECT_FLOAT_EQ(effect->EvaluateAt(1.0f), 1.0f * 2.0f * 0.5f);
    EXPECT_FLOAT_EQ(effect->GetInput(), 0.2f);
    EXPECT_FLOAT_EQ(effect->GetOutput(), 0.0f);
    EXPECT_FLOAT_EQ(effect->GetEffectiveOutput(), 1.2f * 0.25f);
    EXPECT_FLOAT_EQ(effect->GetOutput(), 1.2f);
    effect->SetInput(0.0f);  // also recomputes the output
    EXPECT_FLOAT_EQ(effect->GetOutput(), 1.0f);
}

TEST_F(EffectTest, RefusedDragsFormulasAndSourcesAreFatal)
{
    Neuron* target = Named("Target");
    auto* effect = new NeuralEffect(Named("Source"), target, "0+(1.0*x)", 1.0f, 0.0f);
    EXPECT_EQ(FatalMessageOf([&] { effect->SetInertialDrag(32); }), "");
    EXPECT_EQ(FatalMessageOf([&] { effect->SetInertialDrag(33); }), "Invalid Inertial drag for neural effect");
    EXPECT_EQ(FatalMessageOf([&] { target->ParseInfluenceLine("Source,0+(1.0*x),-1"); }),
              "Invalid Inertial drag for neural effect");
    EXPECT_NE(FatalMessageOf([&] { new NeuralEffect(Named("S"), target, "0+(1.00000000000000000000000000*x)", 1, 0); }),
              "");
    int before = Diagnostics::AssertionFailures();
    new NeuralEffect(nullptr, target, "0+(1.0*x)", 1.0f, 0.0f);
    EXPECT_EQ(Diagnostics::AssertionFailures(), before + 1);
    EXPECT_EQ(FatalMessageOf([&] { NeuralEffect::UpdateAllEffects(); }), "Orphan effect");
}

TEST_F(EffectTest, ClearEffectsWhileLinksAreMaintainedIsAssertedButSafe)
{
    Neuron* a = Named("Alpha");
    Neuron* b = Named("Beta");
    for (int i = 0; i < 5; ++i)
        new NeuralEffect(a, b, "0+(1.0*x)", 1.0f, 0.0f);
    int before = Diagnostics::AssertionFailures();
    NeuralEffect::ClearEffects();
    EXPECT_EQ(Diagnostics::AssertionFailures(), before + 1);
    EXPECT_EQ(NeuralEffect::Count(), 0u);
    EXPECT_TRUE(a->Outgoing().empty());
    EXPECT_TRUE(b->Incoming().empty());
}

}  // namespace
