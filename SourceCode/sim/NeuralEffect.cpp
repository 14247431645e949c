#include "sim/NeuralEffect.h"

#include <cmath>

#include "engine/Diagnostics.h"
#include "sim/Neuron.h"

namespace {

bool gRunning = true;
bool gInitialising = false;

struct EffectSlotOf {
    static size_t& Get(NeuralEffect* effect) { return effect->mEffectSlot; }
};

SlotList<NeuralEffect, EffectSlotOf>& Registry()
{
    static SlotList<NeuralEffect, EffectSlotOf> registry;
    return registry;
}

}  // namespace

bool IsRunning() { return gRunning; }
void SetRunning(bool running) { gRunning = running; }

NeuralEffect::NeuralEffect(Neuron* source, Neuron* target, const std::string& formula, float multiplier,
                           float initialInput)
    : mSource(source), mTarget(target), mMultiplier(multiplier), mInput(initialInput), mTargetInput(initialInput)
{
    if (formula.size() > EffectFormula::kMaxLength)
        FATAL_ERROR("Effect formula longer than 31 characters: " + formula);
    mFormula = EffectFormula::Intern(formula);
    ASSERT_CHECK(source != nullptr && target != nullptr);
    Registry().Add(this);
    if (source)
        source->LinkOutgoing(this);
    if (target)
        target->LinkIncoming(this);
}

NeuralEffect::~NeuralEffect()
{
    // The effect list always forgets the effect (that costs nothing); the two
    // neurons only while links are maintained, since during a teardown they may
    // already be gone.
    Registry().Remove(this);
    if (!gRunning)
        return;
    if (mSource)
        mSource->UnlinkOutgoing(this);
    if (mTarget)
        mTarget->UnlinkIncoming(this);
}

void NeuralEffect::SetInertialDrag(unsigned turns)
{
    if (turns > kMaxInertialDrag)
        FATAL_ERROR("Invalid Inertial drag for neural effect");
    mInertialDrag = turns;
}

float NeuralEffect::Counted(float result)
{
    if (!std::isnan(result))
        return result;
    if (!mNoNumberReported) {
        mNoNumberReported = true;
        TRACE_MESSAGE("Effect of " + (mSource ? mSource->GetName() : std::string("?")) + " on " +
                      (mTarget ? mTarget->GetName() : std::string("?")) + " gives no number (" + GetFormula() +
                      "); it counts as 0");
    }
    return 0.0f;
}

void NeuralEffect::SetInput(float value)
{
    mInput = value;
    mOutput = Counted(EvaluateAtInput() * mMultiplier);
}

float NeuralEffect::ComputeOutput()
{
    if (gInitialising || mSteps == 1)
        mInput = mTargetInput;
    mOutput = Counted(EvaluateAtInput() * mMultiplier);
    return mOutput;
}

float NeuralEffect::GetEffectiveOutput()
{
    float output = ComputeOutput();
    if (mSource && mSource->GetType() == NEURON_POLICY)
        output = Counted(output * mSource->ImplementationLevel() * mSource->MinisterialFactor());
    return output;
}

float NeuralEffect::EvaluateAt(float x) const
{
    float result = mFormula->Evaluate(x) * mMultiplier;
    if (mSource && mSource->GetType() == NEURON_POLICY)
        result *= mSource->MinisterialFactor();
    return result;
}

float NeuralEffect::EvaluateAtTarget() const { return mFormula->Evaluate(mTargetInput); }

bool NeuralEffect::SourceIsActive() const
{
    if (!mSource)
        FATAL_ERROR("Orphan effect");
    return mSource->IsActive();
}

void NeuralEffect::Update()
{
    float old = GetEffectiveOutput();
    if (!mFirstUpdatePending && (mSteps == 1 || gInitialising)) {
        // The input has just jumped to its target, so the step below would
        // leave it there and the output would come out the same again: skip
        // the second evaluation. (Most effects, every voter's links among them,
        // take this path every turn.)
        mLastChange = std::fabs(old - old);
        return;
    }
    if (mFirstUpdatePending) {
        old = 0.0f;
        mFirstUpdatePending = false;
    }
    float step = 1.0f / static_cast<float>(mSteps);
    if (mInput < mTargetInput) {
        mInput += step;
        if (mInput > mTargetInput)
            mInput = mTargetInput;
    } else if (mInput > mTargetInput) {
        mInput -= step;
        if (mInput < mTargetInput)
            mInput = mTargetInput;
    }
    mLastChange = std::fabs(GetEffectiveOutput() - old);
}

NeuralEffect::State NeuralEffect::GetState() const
{
    return State{mMultiplier, mInput, mTargetInput, mOutput, mLastChange, mFirstUpdatePending, mSteps, mInertialDrag};
}

void NeuralEffect::SetState(const State& state)
{
    mMultiplier = state.multiplier;
    mInput = state.input;
    mTargetInput = state.targetInput;
    mOutput = state.output;
    mLastChange = state.lastChange;
    mFirstUpdatePending = state.firstUpdatePending;
    SetSteps(state.steps);
    SetInertialDrag(state.inertialDrag);
}

const std::vector<NeuralEffect*>& NeuralEffect::All() { return Registry().Items(); }

size_t NeuralEffect::Count() { return Registry().Size(); }

void NeuralEffect::UpdateAllEffects()
{
    const auto& effects = Registry().Items();
    for (size_t i = 0; i < effects.size(); ++i) {
        NeuralEffect* effect = effects[i];
        if (effect && effect->SourceIsActive())
            effect->Update();
    }
}

void NeuralEffect::ClearEffects()
{
    ASSERT_CHECK(!gRunning);
    // Walk the raw slots: when links are (wrongly) still maintained, each
    // deletion unlinks itself and leaves a hole instead of moving the others.
    const auto& slots = Registry().Slots();
    for (size_t i = 0; i < slots.size(); ++i)
        delete slots[i];
    Registry().Clear();
}

void NeuralEffect::SetInitialising(bool initialising) { gInitialising = initialising; }

bool NeuralEffect::IsInitialising() { return gInitialising; }
