#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/SIM_RandomNeuron.h"
#include "sim/SimRandom.h"

namespace {

class TypedNeuron : public Neuron {
public:
    explicit TypedNeuron(int type) { SetType(type); }
};

using NeuronTest = NetworkTest;

TEST_F(NeuronTest, RecalculationCombinesActiveInputsWithTheBaseAndClamps)
{
    struct Case {
        float base;
        std::vector<float> inputs;
        int combination;
        float value;
    };
    const Case cases[] = {
        {0.3f, {}, COMBINE_SUM, 0.3f},
        {0.0f, {0.7f, 0.7f}, COMBINE_SUM, 1.0f},
        {0.0f, {-1.0f, -1.0f}, COMBINE_SUM, -1.0f},
        {0.0f, {0.5f, 0.4f}, COMBINE_PRODUCT, 0.2f},
    };
    for (const Case& c : cases) {
        ResetNetwork();
        Neuron* target = Named("Target");
        target->SetBaseValue(c.base);
        target->SetCombination(c.combination);
        for (float input : c.inputs)
            new NeuralEffect(Named("Source"), target, "0+(1.0*x)", 1.0f, input);
        EXPECT_FLOAT_EQ(target->Recalculate(), c.value);
    }
    // The last case again, without its second (now inactive) source.
    Neuron::All()[2]->SetActive(false);
    EXPECT_FLOAT_EQ(Neuron::All()[0]->Recalculate(), 0.5f);
}

TEST_F(NeuronTest, InertialDragAveragesTheHistory)
{
    Neuron* source = Named("Source", 0.9f);
    Neuron* target = Named("Target");
    auto* effect = new NeuralEffect(source, target, "0+(1.0*x)", 1.0f, 0.0f);
    auto* direct = new NeuralEffect(source, target, "0+(1.0*x)", 1.0f, 0.0f);
    effect->SetInertialDrag(2);
    for (int i = 0; i < 3; ++i)
        source->SetHistory(i, 0.2f * static_cast<float>(i + 1));
    source->Propagate();
    EXPECT_FLOAT_EQ(effect->GetTargetInput(), 0.4f);  // the present value 0.9 is not yet in the history
    EXPECT_FLOAT_EQ(direct->GetTargetInput(), 0.9f);
}

TEST_F(NeuronTest, InfluenceAndEffectLines)
{
    LogCapture log;
    Neuron* gdp = Named("GDP", 0.5f);
    Neuron* target = Named("Crime");
    target->ParseInfluenceLine("_default_,0.5");
    EXPECT_FLOAT_EQ(target->GetBaseValue(), 0.5f);
    EXPECT_TRUE(target->Incoming().empty());

    target->ParseInfluenceLine("\"GDP\",-0.2+(0.4*x),3\r\n");
    ASSERT_EQ(target->Incoming().size(), 1u);
    NeuralEffect* effect = target->Incoming()[0];
    EXPECT_EQ(effect->GetSource(), gdp);
    EXPECT_EQ(effect->GetFormula(), "-0.2+(0.4*x)");
    EXPECT_EQ(effect->GetInertialDrag(), 3u);
    EXPECT_FLOAT_EQ(effect->GetInput(), 1.0f);
    target->ParseInfluenceLine("GDP,0+(0.5*x),\n");  // an empty drag field is no drag
    EXPECT_EQ(target->Incoming()[1]->GetInertialDrag(), 0u);

    // A quoted comma belongs to the name; short lines are ignored.
    for (const char* skipped : {"Nowhere,0+(1.0*x)", "\"GDP,0+(1.0*x)\"", "ab"})
        target->ParseInfluenceLine(skipped);
    EXPECT_EQ(target->Incoming().size(), 2u);
    EXPECT_TRUE(log.Contains("failed to find event influence Nowhere"));
    EXPECT_TRUE(log.Contains("failed to find event influence GDP,0+(1.0*x)"));
    EXPECT_EQ(FatalMessageOf([&] { target->ParseInfluenceLine("GDP 0+(1.0*x)"); }), "missing comma");

    gdp->ParseEffectLine("\"Crime\",0+(-0.3*x),2  \r\n");
    ASSERT_EQ(gdp->Outgoing().size(), 3u);
    NeuralEffect* out = gdp->Outgoing()[2];
    EXPECT_EQ(out->GetTarget(), target);
    EXPECT_EQ(out->GetFormula(), "0+(-0.3*x)");
    EXPECT_FLOAT_EQ(out->GetInput(), 0.5f);
    EXPECT_EQ(out->GetInertialDrag(), 2u);
    gdp->ParseEffectLine("Nobody,0+(1.0*x)");
    EXPECT_TRUE(log.Contains("Failed to find Nobody for GDP,"));
    gdp->ParseEffectLine("no comma here");
    EXPECT_EQ(gdp->Outgoing().size(), 3u);
}

TEST_F(NeuronTest, RandomInfluenceStaysWithinItsBoundsAndOnlyItsHistoryIsClamped)
{
    SimRandom::Seed(7);
    Neuron* target = Named("Weather");
    target->ParseInfluenceLine("_random_,\"0.2\",0.6\r\n");
    ASSERT_EQ(target->Incoming().size(), 1u);
    auto* random = dynamic_cast<SIM_RandomNeuron*>(target->Incoming()[0]->GetSource());
    ASSERT_NE(random, nullptr);
    EXPECT_EQ(random->GetName(), "random");
    EXPECT_EQ(random->GetType(), NEURON_RANDOM);
    float lowest = 1.0f, highest = 0.0f;
    for (int turn = 0; turn < 200; ++turn) {
        Neuron::RecalculateAll();
        float v = random->GetValue();
        EXPECT_TRUE(v >= 0.2f && v <= 0.6f) << v;
        // The target stands before its random source, so it sees the draw a pass later.
        EXPECT_TRUE(turn == 0 || (target->GetValue() >= 0.2f && target->GetValue() <= 0.6f));
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    EXPECT_LT(lowest, 0.3f);  // it really varies
    EXPECT_GT(highest, 0.5f);

    target->ParseInfluenceLine("_random_,2.5,2.5");
    Neuron* big = target->Incoming()[1]->GetSource();
    big->Recalculate();
    EXPECT_FLOAT_EQ(big->GetValue(), 2.5f);
    Neuron::EndTurnAll();
    EXPECT_FLOAT_EQ(big->History(0), 1.0f);
}

TEST_F(NeuronTest, InputsSortByStrengthLaterFirstAmongEqualsUntilTheNextPropagation)
{
    Neuron* target = Named("Target");
    auto* weak = new NeuralEffect(Named("Weak"), target, "0+(0.1*x)", 1.0f, 1.0f);
    auto* first = new NeuralEffect(Named("First"), target, "0+(0.5*x)", 1.0f, 1.0f);
    auto* second = new NeuralEffect(Named("Second"), target, "0+(-0.5*x)", 1.0f, 0.0f);
    second->SetTargetInput(1.0f);
    target->SortInputs();
    EXPECT_EQ(target->Incoming(), (std::vector<NeuralEffect*>{second, first, weak}));
    EXPECT_TRUE(target->InputsSorted());
    weak->SetTargetInput(9.0f);
    target->SortInputs();  // still marked sorted: nothing moves
    EXPECT_EQ(target->Incoming()[2], weak);
    target->Recalculate();  // propagates, which clears the mark
    EXPECT_FALSE(target->InputsSorted());
    target->SortInputs();
    EXPECT_EQ(target->Incoming()[0], weak);
    // Removal still works on the reordered list.
    delete first;
    EXPECT_EQ(target->Incoming(), (std::vector<NeuralEffect*>{weak, second}));
}

TEST_F(NeuronTest, ValuesFlowForwardWithinOnePass)
{
    Neuron* first = Named("First");
    Neuron* second = Named("Second");
    first->SetBaseValue(0.6f);
    new NeuralEffect(first, second, "0+(1.0*x)", 1.0f, 0.0f);
    new NeuralEffect(second, first, "0+(0.0*x)", 1.0f, 0.0f);  // a back edge costs nothing here
    Neuron::OrderNetwork();  // same type: order kept
    Neuron::RecalculateAll();
    EXPECT_FLOAT_EQ(second->GetValue(), 0.6f);  // same pass
    first->SetBaseValue(0.8f);
    Neuron::RecalculateAll();
    EXPECT_FLOAT_EQ(second->GetValue(), 0.8f);
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
    Neuron* n = Named("Value", 3.0f);
    Neuron::EndTurnAll();
    EXPECT_FLOAT_EQ(n->History(0), 1.0f);
    EXPECT_FLOAT_EQ(n->History(1), 0.5f);  // a new neuron's history is 0.5
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
        leaves.push_back(Named("Leaf" + std::to_string(i)));
        new NeuralEffect(hub, leaves.back(), "0+(1.0*x)", 1.0f, 0.0f);
        new NeuralEffect(leaves.back(), hub, "0+(1.0*x)", 1.0f, 0.0f);
    }
    for (int i = 0; i < 50; i += 2)
        delete leaves[i];
    EXPECT_EQ(NeuralEffect::Count(), 50u);
    EXPECT_EQ(hub->Outgoing().size(), 25u);
    EXPECT_EQ(hub->Incoming().size(), 25u);
    Neuron::RecalculateAll();  // nothing dangles
    delete hub;
    EXPECT_EQ(NeuralEffect::Count(), 0u);
    for (int i = 1; i < 50; i += 2)
        EXPECT_TRUE(leaves[i]->Incoming().empty() && leaves[i]->Outgoing().empty());
}

TEST_F(NeuronTest, FindNeuronIsExactAndQuietOnlyForShortNames)
{
    LogCapture log;
    Neuron* b = Named("Beta");
    EXPECT_EQ(Neuron::FindNeuron("Beta"), b);
    EXPECT_EQ(Neuron::FindNeuron("Be"), nullptr);
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(Neuron::FindNeuron("beta"), nullptr);
    EXPECT_TRUE(log.Contains("Failed to find neuron"));
}

TEST_F(NeuronTest, ClearNetworkDeletesEverythingAndStartsTheIdsAgain)
{
    Neuron* alpha = Named("Alpha");
    EXPECT_FLOAT_EQ(alpha->GetID(), 100.0f);
    new NeuralEffect(alpha, Named("Beta"), "0+(1.0*x)", 1.0f, 0.0f);
    EXPECT_FLOAT_EQ(Neuron::All()[1]->GetID(), 101.0f);
    Neuron::ClearNetwork();
    EXPECT_EQ(Neuron::Count(), 0u);
    EXPECT_EQ(NeuralEffect::Count(), 0u);
    EXPECT_FLOAT_EQ(Named("Gamma")->GetID(), 100.0f);

    // Without links the effects wait for ClearEffects.
    new NeuralEffect(Named("Alpha"), Named("Beta"), "0+(1.0*x)", 1.0f, 0.0f);
    SetRunning(false);
    Neuron::ClearNetwork();
    EXPECT_EQ(NeuralEffect::Count(), 1u);
    NeuralEffect::ClearEffects();
    EXPECT_EQ(NeuralEffect::Count(), 0u);
    SetRunning(true);
}

TEST_F(NeuronTest, FindGrudgeInputLooksOnlyAtGrudgeSources)
{
    Neuron* group = Named("Unionists");
    auto* grudge = new TypedNeuron(NEURON_GRUDGE);
    grudge->SetName("Strike");
    new NeuralEffect(Named("Strike"), group, "0+(1.0*x)", 1.0f, 0.0f);  // a plain source of the same name
    auto* wanted = new NeuralEffect(grudge, group, "0+(1.0*x)", 1.0f, 0.0f);
    new NeuralEffect(group, grudge, "0+(1.0*x)", 1.0f, 0.0f);  // outgoing: not an input
    EXPECT_EQ(group->FindGrudgeInput("Strike"), wanted);
    EXPECT_EQ(group->FindGrudgeInput("Nothing"), nullptr);
    EXPECT_EQ(grudge->FindGrudgeInput("Unionists"), nullptr);  // the source is no grudge
}

// A neuron that carries another inside it, as a policy carries its cost neuron.
class ParentNeuron : public Neuron {
public:
    ParentNeuron()
    {
        SetType(NEURON_SIMVAL);
        mChild.SetOwnedByParent();
    }
    Neuron mChild;
};

TEST_F(NeuronTest, ClearNetworkLeavesOwnedNeuronsToTheirParent)
{
    auto* parent = new ParentNeuron();
    TypedNeuron* policy = new TypedNeuron(NEURON_POLICY);
    new NeuralEffect(&parent->mChild, policy, "0+(1.0*x)", 1.0f, 0.0f);
    new NeuralEffect(policy, &parent->mChild, "0+(1.0*x)", 1.0f, 0.0f);
    Neuron::OrderNetwork();  // the child now stands before its parent
    ASSERT_EQ(Neuron::All().front(), &parent->mChild);
    Neuron::ClearNetwork();  // would free the child twice if it deleted it itself
    EXPECT_EQ(Neuron::Count(), 0u);
    EXPECT_EQ(NeuralEffect::Count(), 0u);
}

}  // namespace
