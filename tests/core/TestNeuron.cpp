#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/SIM_RandomNeuron.h"
#include "sim/SimRandom.h"

namespace {

Neuron* Named(const std::string& name, float value = 0.0f)
{
    auto* neuron = new Neuron();
    neuron->SetName(name);
    neuron->SetValue(value);
    return neuron;
}

// A stand-in for a policy: a source of type 8 whose effects are weighed.
class FakePolicy : public Neuron {
public:
    FakePolicy() { SetType(NEURON_POLICY); }
    float ImplementationLevel() const override { return 0.5f; }
    float MinisterialFactor() const override { return 0.5f; }
};

// The message of the fatal error the call raises; "" when it raises none.
template <typename Call>
std::string FatalMessageOf(Call call)
{
    FatalCatcher catcher;
    try {
        call();
    } catch (const FatalErrorRaised& e) {
        return e.message;
    }
    return "";
}

class TypedNeuron : public Neuron {
public:
    explicit TypedNeuron(int type) { SetType(type); }
};

using NeuronTest = NetworkTest;

TEST_F(NeuronTest, RecalculationAddsInputsToTheBaseAndClamps)
{
    Neuron* lonely = Named("Lonely");
    lonely->SetBaseValue(0.3f);
    EXPECT_FLOAT_EQ(lonely->Recalculate(), 0.3f);

    Neuron* a = Named("SourceA", 0.7f);
    Neuron* b = Named("SourceB", 0.7f);
    Neuron* target = Named("Target");
    new NeuralEffect(a, target, "0+(1.0*x)", 1.0f, 0.7f);
    new NeuralEffect(b, target, "0+(1.0*x)", 1.0f, 0.7f);
    EXPECT_FLOAT_EQ(target->Recalculate(), 1.0f);  // 1.4 clamps

    Neuron* low = Named("Low");
    new NeuralEffect(a, low, "0+(-1*x)", 1.0f, 0.0f);
    new NeuralEffect(b, low, "0+(-1*x)", 1.0f, 0.0f);
    EXPECT_FLOAT_EQ(low->Recalculate(), -1.0f);  // -2 clamps
}

TEST_F(NeuronTest, InactiveSourcesAndProductCombination)
{
    Neuron* a = Named("SourceA", 0.5f);
    Neuron* b = Named("SourceB", 0.4f);
    Neuron* target = Named("Target");
    new NeuralEffect(a, target, "0+(1.0*x)", 1.0f, 0.5f);
    new NeuralEffect(b, target, "0+(1.0*x)", 1.0f, 0.4f);
    target->SetCombination(COMBINE_PRODUCT);
    EXPECT_FLOAT_EQ(target->Recalculate(), 0.2f);
    b->SetActive(false);
    EXPECT_FLOAT_EQ(target->Recalculate(), 0.5f);
    target->SetCombination(COMBINE_SUM);
    EXPECT_FLOAT_EQ(target->Recalculate(), 0.5f);
}

TEST_F(NeuronTest, InertialDragAveragesTheHistory)
{
    Neuron* source = Named("Source", 0.9f);
    Neuron* target = Named("Target");
    auto* effect = new NeuralEffect(source, target, "0+(1.0*x)", 1.0f, 0.0f);
    effect->SetInertialDrag(2);
    source->SetHistory(0, 0.2f);
    source->SetHistory(1, 0.4f);
    source->SetHistory(2, 0.6f);
    source->Propagate();
    EXPECT_FLOAT_EQ(effect->GetTargetInput(), 0.4f);  // the present value 0.9 is not yet in the history

    auto* direct = new NeuralEffect(source, target, "0+(1.0*x)", 1.0f, 0.0f);
    source->Propagate();
    EXPECT_FLOAT_EQ(direct->GetTargetInput(), 0.9f);
}

TEST_F(NeuronTest, DragAboveThirtyTwoIsFatal)
{
    auto* effect = new NeuralEffect(Named("Source"), Named("Target"), "0+(1.0*x)", 1.0f, 0.0f);
    EXPECT_EQ(FatalMessageOf([&] { effect->SetInertialDrag(32); }), "");
    EXPECT_EQ(FatalMessageOf([&] { effect->SetInertialDrag(33); }), "Invalid Inertial drag for neural effect");
}

TEST_F(NeuronTest, StepsWalkTheInputUnlessInitialising)
{
    auto* effect = new NeuralEffect(Named("Source"), Named("Target"), "0+(1.0*x)", 1.0f, 0.0f);
    effect->SetSteps(4);
    effect->SetTargetInput(1.0f);
    const float expected[] = {0.25f, 0.5f, 0.75f, 1.0f, 1.0f, 1.0f};
    for (float value : expected) {
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
    EXPECT_FLOAT_EQ(fresh->GetInput(), 1.0f);
    NeuralEffect::SetInitialising(false);
}

TEST_F(NeuronTest, FirstUpdateReportsTheWholeOutputAsChange)
{
    auto* effect = new NeuralEffect(Named("Source"), Named("Target"), "0+(-1*x)", 1.0f, 0.3f);
    NeuralEffect::UpdateAllEffects();
    EXPECT_FLOAT_EQ(effect->GetLastChange(), 1.0f);
    NeuralEffect::UpdateAllEffects();
    EXPECT_FLOAT_EQ(effect->GetLastChange(), 0.0f);
}

TEST_F(NeuronTest, LastChangeCountsOnlyTheInertialStep)
{
    // One step: the input jumps to its target before the old output is taken,
    // so a new target shows no change. Four steps: the change is one step's worth.
    auto* jump = new NeuralEffect(Named("Source"), Named("Target"), "0+(1.0*x)", 2.0f, 0.0f);
    auto* walk = new NeuralEffect(Named("Source2"), Named("Target2"), "0+(1.0*x)", 2.0f, 0.0f);
    walk->SetSteps(4);
    NeuralEffect::UpdateAllEffects();
    jump->SetTargetInput(1.0f);
    walk->SetTargetInput(1.0f);
    NeuralEffect::UpdateAllEffects();
    EXPECT_FLOAT_EQ(jump->GetLastChange(), 0.0f);
    EXPECT_FLOAT_EQ(jump->GetOutput(), 2.0f);
    EXPECT_FLOAT_EQ(walk->GetLastChange(), 0.5f);
    EXPECT_FLOAT_EQ(walk->GetOutput(), 0.5f);
    // A formula that gives NaN reports NaN, as computing the change would.
    auto* broken = new NeuralEffect(Named("Source3"), Named("Target3"), "0+(x/x)", 1.0f, 0.0f);
    NeuralEffect::UpdateAllEffects();
    NeuralEffect::UpdateAllEffects();
    EXPECT_TRUE(std::isnan(broken->GetLastChange()));
}

TEST_F(NeuronTest, PolicySourcesAreWeighedByImplementationAndMinister)
{
    auto* policy = new FakePolicy();
    policy->SetName("Policy");
    Neuron* target = Named("Target");
    auto* effect = new NeuralEffect(policy, target, "0+(1.0*x)", 2.0f, 0.8f);
    EXPECT_FLOAT_EQ(effect->GetOutput(), 0.0f);  // nothing computed yet
    EXPECT_FLOAT_EQ(effect->GetEffectiveOutput(), 1.6f * 0.25f);
    EXPECT_FLOAT_EQ(effect->GetOutput(), 1.6f);
    // Curves show the minister's weight, not the implementation.
    EXPECT_FLOAT_EQ(effect->EvaluateAt(0.5f), 0.5f);
    EXPECT_FLOAT_EQ(effect->GetInput(), 0.8f);
    EXPECT_FLOAT_EQ(effect->EvaluateAtTarget(), 0.8f);
}

TEST_F(NeuronTest, InfluenceLines)
{
    LogCapture log;
    Neuron* gdp = Named("GDP", 0.5f);
    Neuron* target = Named("Crime");
    target->ParseInfluenceLine("_default_,0.5");
    EXPECT_FLOAT_EQ(target->GetBaseValue(), 0.5f);
    EXPECT_TRUE(target->Incoming().empty());

    target->ParseInfluenceLine("GDP,-0.2+(0.4*x),3");
    ASSERT_EQ(target->Incoming().size(), 1u);
    NeuralEffect* effect = target->Incoming()[0];
    EXPECT_EQ(effect->GetSource(), gdp);
    EXPECT_EQ(effect->GetFormula(), "-0.2+(0.4*x)");
    EXPECT_EQ(effect->GetInertialDrag(), 3u);
    EXPECT_FLOAT_EQ(effect->GetInput(), 1.0f);

    // A quoted field keeps its commas.
    target->ParseInfluenceLine("\"GDP\",0+(1.0*x)");
    EXPECT_EQ(target->Incoming().size(), 2u);

    target->ParseInfluenceLine("Nowhere,0+(1.0*x)");
    EXPECT_EQ(target->Incoming().size(), 2u);
    EXPECT_TRUE(log.Contains("failed to find event influence Nowhere"));

    target->ParseInfluenceLine("ab");  // too short: ignored
    EXPECT_EQ(target->Incoming().size(), 2u);

    EXPECT_EQ(FatalMessageOf([&] { target->ParseInfluenceLine("GDP 0+(1.0*x)"); }), "missing comma");
}

TEST_F(NeuronTest, RandomInfluenceStaysWithinItsBounds)
{
    SimRandom::Seed(7);
    Neuron* target = Named("Weather");
    target->ParseInfluenceLine("_random_,0.2,0.6");
    ASSERT_EQ(target->Incoming().size(), 1u);
    auto* random = dynamic_cast<SIM_RandomNeuron*>(target->Incoming()[0]->GetSource());
    ASSERT_NE(random, nullptr);
    EXPECT_EQ(random->GetName(), "random");
    EXPECT_EQ(random->GetType(), NEURON_RANDOM);
    float lowest = 1.0f, highest = 0.0f;
    for (int turn = 0; turn < 200; ++turn) {
        Neuron::RecalculateAll();
        float v = random->GetValue();
        EXPECT_GE(v, 0.2f);
        EXPECT_LE(v, 0.6f);
        // The target stands before its random source, so it sees the draw a pass later.
        if (turn > 0) {
            EXPECT_GE(target->GetValue(), 0.2f);
            EXPECT_LE(target->GetValue(), 0.6f);
        }
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    EXPECT_LT(lowest, 0.3f);  // it really varies
    EXPECT_GT(highest, 0.5f);
}

TEST_F(NeuronTest, EffectLines)
{
    LogCapture log;
    Neuron* policy = Named("Policy");
    Neuron* crime = Named("Crime");
    policy->ParseEffectLine("Crime,0+(-0.3*x),2");
    ASSERT_EQ(policy->Outgoing().size(), 1u);
    NeuralEffect* effect = policy->Outgoing()[0];
    EXPECT_EQ(effect->GetTarget(), crime);
    EXPECT_FLOAT_EQ(effect->GetInput(), 0.5f);
    EXPECT_EQ(effect->GetInertialDrag(), 2u);

    policy->ParseEffectLine("Nobody,0+(1.0*x)");
    EXPECT_TRUE(log.Contains("Failed to find Nobody for Policy,"));
    policy->ParseEffectLine("no comma here");
    EXPECT_EQ(policy->Outgoing().size(), 1u);
}

TEST_F(NeuronTest, OverlongFormulaIsFatal)
{
    FatalCatcher catcher;
    EXPECT_THROW(new NeuralEffect(Named("Source"), Named("Target"), "0+(1.00000000000000000000000000*x)", 1.0f, 0.0f),
                 FatalErrorRaised);
}

TEST_F(NeuronTest, EqualStrengthsListTheLaterEffectFirst)
{
    Neuron* target = Named("Target");
    auto* weak = new NeuralEffect(Named("Weak"), target, "0+(0.1*x)", 1.0f, 1.0f);
    auto* first = new NeuralEffect(Named("First"), target, "0+(0.5*x)", 1.0f, 1.0f);
    auto* second = new NeuralEffect(Named("Second"), target, "0+(-0.5*x)", 1.0f, 0.0f);
    second->SetTargetInput(1.0f);
    target->SortInputs();
    ASSERT_EQ(target->Incoming().size(), 3u);
    EXPECT_EQ(target->Incoming()[0], second);
    EXPECT_EQ(target->Incoming()[1], first);
    EXPECT_EQ(target->Incoming()[2], weak);
    EXPECT_TRUE(target->InputsSorted());
    target->Propagate();
    EXPECT_FALSE(target->InputsSorted());
}

TEST_F(NeuronTest, ValuesFlowForwardWithinOnePass)
{
    Neuron* first = Named("First");
    Neuron* second = Named("Second");
    first->SetBaseValue(0.6f);
    new NeuralEffect(first, second, "0+(1.0*x)", 1.0f, 0.0f);
    new NeuralEffect(second, first, "0+(0.0*x)", 1.0f, 0.0f);  // a back edge costs nothing here
    Neuron::RecalculateAll();
    EXPECT_FLOAT_EQ(second->GetValue(), 0.6f);  // same pass

    Neuron* late = Named("Late");
    Neuron* early = Named("Early");
    Neuron::OrderNetwork();  // same type: order kept
    late->SetBaseValue(0.4f);
    new NeuralEffect(late, early, "0+(1.0*x)", 1.0f, 0.0f);
    Neuron::RecalculateAll();
    EXPECT_FLOAT_EQ(early->GetValue(), 0.4f);
    late->SetBaseValue(0.8f);
    Neuron::RecalculateAll();
    EXPECT_FLOAT_EQ(early->GetValue(), 0.8f);
}

TEST_F(NeuronTest, OrderNetworkGroupsByTypeKeepingOrder)
{
    auto* voter = new TypedNeuron(NEURON_VOTER);
    auto* simval = new TypedNeuron(NEURON_SIMVAL);
    auto* plain1 = new TypedNeuron(NEURON_PLAIN);
    auto* policy = new TypedNeuron(NEURON_POLICY);
    auto* player = new TypedNeuron(NEURON_PLAYER);
    auto* plain2 = new TypedNeuron(NEURON_PLAIN);
    auto* situation = new TypedNeuron(NEURON_SITUATION);
    auto* group = new TypedNeuron(NEURON_VOTERTYPE);
    Neuron::OrderNetwork();
    std::vector<Neuron*> expected = {plain1, plain2, player, policy, simval, situation, group, voter};
    EXPECT_EQ(Neuron::All(), expected);
    Neuron::OrderNetwork();  // running twice changes nothing
    EXPECT_EQ(Neuron::All(), expected);
}

TEST_F(NeuronTest, HistoryShiftClampsAndResetCopiesTheValue)
{
    Neuron* n = Named("Value", 0.5f);
    EXPECT_FLOAT_EQ(n->History(32), 0.5f);
    n->SetValue(3.0f);
    Neuron::EndTurnAll();
    EXPECT_FLOAT_EQ(n->History(0), 1.0f);
    EXPECT_FLOAT_EQ(n->History(1), 0.5f);
    n->SetValue(-0.25f);
    Neuron::ResetAllHistories();
    for (int i = 0; i < Neuron::kHistorySize; ++i)
        EXPECT_FLOAT_EQ(n->History(i), -0.25f);
}

TEST_F(NeuronTest, DeletingANeuronUnlinksEveryEffectAtBothEnds)
{
    Neuron* hub = Named("Hub");
    std::vector<Neuron*> leaves;
    for (int i = 0; i < 50; ++i) {
        Neuron* leaf = Named("Leaf" + std::to_string(i));
        new NeuralEffect(hub, leaf, "0+(1.0*x)", 1.0f, 0.0f);
        new NeuralEffect(leaf, hub, "0+(1.0*x)", 1.0f, 0.0f);
        leaves.push_back(leaf);
    }
    EXPECT_EQ(NeuralEffect::Count(), 100u);
    for (int i = 0; i < 50; i += 2)
        delete leaves[i];
    EXPECT_EQ(NeuralEffect::Count(), 50u);
    EXPECT_EQ(hub->Outgoing().size(), 25u);
    EXPECT_EQ(hub->Incoming().size(), 25u);
    for (NeuralEffect* effect : hub->Outgoing())
        EXPECT_EQ(effect->GetSource(), hub);
    Neuron::RecalculateAll();  // nothing dangles
    delete hub;
    EXPECT_EQ(NeuralEffect::Count(), 0u);
    for (int i = 1; i < 50; i += 2) {
        EXPECT_TRUE(leaves[i]->Incoming().empty());
        EXPECT_TRUE(leaves[i]->Outgoing().empty());
    }
}

TEST_F(NeuronTest, FindNeuronAndTheIdCounter)
{
    LogCapture log;
    Neuron* a = Named("Alpha");
    Neuron* b = Named("Beta");
    EXPECT_FLOAT_EQ(a->GetID(), 100.0f);
    EXPECT_FLOAT_EQ(b->GetID(), 101.0f);
    EXPECT_EQ(Neuron::FindNeuron("Beta"), b);
    EXPECT_EQ(Neuron::FindNeuron("beta"), nullptr);
    EXPECT_TRUE(log.Contains("Failed to find neuron"));
    log.Clear();
    EXPECT_EQ(Neuron::FindNeuron("Be"), nullptr);
    EXPECT_TRUE(log.Lines().empty());  // short names fail silently
}

TEST_F(NeuronTest, ClearNetworkDeletesEverythingAndTellsListeners)
{
    // Listeners stay for the whole run, so this one counts into a static.
    static int cleared = 0;
    cleared = 0;
    static bool added = false;
    if (!added)
        Neuron::AddClearListener([] { ++cleared; });
    added = true;
    Neuron* a = Named("Alpha");
    new NeuralEffect(a, Named("Beta"), "0+(1.0*x)", 1.0f, 0.0f);
    Neuron::ClearNetwork();
    EXPECT_EQ(Neuron::Count(), 0u);
    EXPECT_EQ(NeuralEffect::Count(), 0u);
    EXPECT_EQ(cleared, 1);
    EXPECT_FLOAT_EQ(Named("Gamma")->GetID(), 100.0f);
}

TEST_F(NeuronTest, TeardownWithoutLinksLeavesEffectsForClearEffects)
{
    Neuron* a = Named("Alpha");
    new NeuralEffect(a, Named("Beta"), "0+(1.0*x)", 1.0f, 0.0f);
    SetRunning(false);
    Neuron::ClearNetwork();
    EXPECT_EQ(Neuron::Count(), 0u);
    EXPECT_EQ(NeuralEffect::Count(), 1u);
    NeuralEffect::ClearEffects();
    EXPECT_EQ(NeuralEffect::Count(), 0u);
    SetRunning(true);
}

TEST_F(NeuronTest, EffectLinesAreCutByTheRecordTokenizer)
{
    LogCapture log;
    Neuron* policy = Named("Policy");
    Neuron* crime = Named("Crime");
    // A quoted comma belongs to the name: one field, no formula, nothing created.
    policy->ParseEffectLine("\"Crime,x\"");
    EXPECT_TRUE(log.Contains("Failed to find Crime,x for Policy,"));
    policy->ParseInfluenceLine("\"Crime,0+(1.0*x)\"");
    EXPECT_TRUE(log.Contains("failed to find event influence Crime,0+(1.0*x)"));
    EXPECT_TRUE(policy->Outgoing().empty());
    EXPECT_TRUE(policy->Incoming().empty());

    // Line breaks and trailing blanks of a record line leave the fields.
    policy->ParseEffectLine("\"Crime\",0+(1.0*x)  \r\n");
    ASSERT_EQ(crime->Incoming().size(), 1u);
    EXPECT_EQ(crime->Incoming()[0]->GetFormula(), "0+(1.0*x)");
    EXPECT_EQ(crime->Incoming()[0]->GetInertialDrag(), 0u);
    crime->ParseInfluenceLine("Policy,0+(0.5*x),4\r\n");
    ASSERT_EQ(crime->Incoming().size(), 2u);
    EXPECT_EQ(crime->Incoming()[1]->GetInertialDrag(), 4u);
    crime->ParseInfluenceLine("Policy,0+(0.5*x),\n");  // an empty drag field is no drag
    EXPECT_EQ(crime->Incoming()[2]->GetInertialDrag(), 0u);
    crime->ParseInfluenceLine("_random_,\"0.1\",0.3\r\n");
    auto* random = dynamic_cast<SIM_RandomNeuron*>(crime->Incoming()[3]->GetSource());
    ASSERT_NE(random, nullptr);
    EXPECT_FLOAT_EQ(random->Lower(), 0.1f);
    EXPECT_FLOAT_EQ(random->Upper(), 0.3f);
}

TEST_F(NeuronTest, NegativeDragIsFatalLikeAnyDragAboveThirtyTwo)
{
    Named("Source");
    Neuron* target = Named("Target");
    EXPECT_EQ(FatalMessageOf([&] { target->ParseInfluenceLine("Source,0+(1.0*x),-1"); }),
              "Invalid Inertial drag for neural effect");
}

TEST_F(NeuronTest, FindGrudgeInputLooksOnlyAtGrudgeSources)
{
    Neuron* group = Named("Unionists");
    auto* plain = Named("Strike");
    auto* grudge = new TypedNeuron(NEURON_GRUDGE);
    grudge->SetName("Strike");
    auto* other = new TypedNeuron(NEURON_GRUDGE);
    other->SetName("Taxes");
    new NeuralEffect(plain, group, "0+(1.0*x)", 1.0f, 0.0f);
    auto* wanted = new NeuralEffect(grudge, group, "0+(1.0*x)", 1.0f, 0.0f);
    new NeuralEffect(other, group, "0+(1.0*x)", 1.0f, 0.0f);
    new NeuralEffect(group, grudge, "0+(1.0*x)", 1.0f, 0.0f);  // outgoing: not an input
    EXPECT_EQ(group->FindGrudgeInput("Strike"), wanted);
    EXPECT_EQ(group->FindGrudgeInput("Taxes")->GetSource(), other);
    EXPECT_EQ(group->FindGrudgeInput("Nothing"), nullptr);
    EXPECT_EQ(grudge->FindGrudgeInput("Unionists"), nullptr);  // the source is no grudge
}

TEST_F(NeuronTest, InputsAreSortedOnlyOnceUntilTheNextPropagation)
{
    Neuron* target = Named("Target");
    auto* a = new NeuralEffect(Named("A"), target, "0+(1.0*x)", 1.0f, 0.2f);
    auto* b = new NeuralEffect(Named("B"), target, "0+(1.0*x)", 1.0f, 0.5f);
    target->SortInputs();
    EXPECT_EQ(target->Incoming(), (std::vector<NeuralEffect*>{b, a}));
    a->SetTargetInput(0.9f);
    target->SortInputs();  // still marked sorted: nothing moves
    EXPECT_EQ(target->Incoming(), (std::vector<NeuralEffect*>{b, a}));
    target->Recalculate();  // propagates, which clears the mark
    target->SortInputs();
    EXPECT_EQ(target->Incoming(), (std::vector<NeuralEffect*>{a, b}));
    // Removal still works on the reordered list.
    delete a;
    EXPECT_EQ(target->Incoming(), std::vector<NeuralEffect*>{b});
}

TEST_F(NeuronTest, EvaluateVariantsLeaveTheEffectAlone)
{
    auto* policy = new FakePolicy();
    policy->SetName("Policy");
    auto* effect = new NeuralEffect(policy, Named("Target"), "0.5*(x+1)", 2.0f, 0.2f);
    effect->SetSteps(4);
    effect->SetTargetInput(0.6f);
    EXPECT_FLOAT_EQ(effect->EvaluateAtInput(), 0.6f);           // formula at 0.2, no weights
    EXPECT_FLOAT_EQ(effect->EvaluateAtTarget(), 0.8f);          // formula at 0.6, no multiplier
    EXPECT_FLOAT_EQ(effect->EvaluateAt(-1.0f), 0.0f);
    EXPECT_FLOAT_EQ(effect->EvaluateAt(1.0f), 1.0f * 2.0f * 0.5f);  // multiplier and minister
    EXPECT_FLOAT_EQ(effect->GetInput(), 0.2f);
    EXPECT_FLOAT_EQ(effect->GetTargetInput(), 0.6f);
    EXPECT_FLOAT_EQ(effect->GetOutput(), 0.0f);
    effect->SetInput(0.0f);  // also recomputes the output
    EXPECT_FLOAT_EQ(effect->GetOutput(), 1.0f);
}

TEST_F(NeuronTest, EffectWithoutSourceIsAssertedThenFatalWhenUpdated)
{
    Neuron* target = Named("Target");
    int before = Diagnostics::AssertionFailures();
    new NeuralEffect(nullptr, target, "0+(1.0*x)", 1.0f, 0.0f);
    EXPECT_EQ(Diagnostics::AssertionFailures(), before + 1);
    EXPECT_EQ(FatalMessageOf([&] { NeuralEffect::UpdateAllEffects(); }), "Orphan effect");
}

TEST_F(NeuronTest, ClearEffectsWhileLinksAreMaintainedIsAssertedButSafe)
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

// A neuron that carries another inside it, as a policy carries its cost neuron.
class ParentNeuron : public Neuron {
public:
    ParentNeuron()
    {
        SetType(NEURON_SIMVAL);
        mChild.SetOwnedByParent();
        mChild.SetName("Child");
    }
    Neuron mChild;
};

TEST_F(NeuronTest, ClearNetworkLeavesOwnedNeuronsToTheirParent)
{
    auto* parent = new ParentNeuron();
    parent->SetName("Parent");
    TypedNeuron* policy = new TypedNeuron(NEURON_POLICY);
    new NeuralEffect(&parent->mChild, policy, "0+(1.0*x)", 1.0f, 0.0f);
    new NeuralEffect(policy, &parent->mChild, "0+(1.0*x)", 1.0f, 0.0f);
    Neuron::OrderNetwork();  // the child now stands before its parent
    ASSERT_EQ(Neuron::All().front(), &parent->mChild);
    Neuron::ClearNetwork();  // would free the child twice if it deleted it itself
    EXPECT_EQ(Neuron::Count(), 0u);
    EXPECT_EQ(NeuralEffect::Count(), 0u);
}

TEST_F(NeuronTest, RandomValuesAreNotClampedButTheirHistoryIs)
{
    Neuron* target = Named("Target");
    target->ParseInfluenceLine("_random_,2.5,2.5");
    Neuron* random = target->Incoming()[0]->GetSource();
    random->Recalculate();
    EXPECT_FLOAT_EQ(random->GetValue(), 2.5f);
    Neuron::EndTurnAll();
    EXPECT_FLOAT_EQ(random->History(0), 1.0f);
}

}  // namespace
