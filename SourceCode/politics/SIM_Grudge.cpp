#include "politics/SIM_Grudge.h"

#include <algorithm>

#include "engine/Diagnostics.h"
#include "sim/NeuralEffect.h"

namespace {
std::vector<SIM_Grudge*>& Grudges()
{
    static std::vector<SIM_Grudge*> grudges;
    return grudges;
}

Neuron* Target(const std::string& targetName)
{
    Neuron* target = Neuron::FindNeuronQuietly(targetName);
    ASSERT_CHECK(target != nullptr);
    // Nothing to act on: no grudge and no effect, but the script's author hears of it.
    if (!target)
        TRACE_MESSAGE("grudge target not found, no grudge made: " + targetName);
    return target;
}
}  // namespace

SIM_Grudge::SIM_Grudge(Neuron* target, const std::string& targetName, float value, float decay, int inertia)
    : mTargetName(targetName), mDecay(decay), mInertia(inertia)
{
    SetType(NEURON_GRUDGE);
    mValue = value;
    mBaseValue = value;
    NeuralEffect* effect = new NeuralEffect(this, target, "0+(1.0*x)", 1.0f, value);
    if (inertia > 0)
        effect->SetInertialDrag(static_cast<unsigned>(inertia));
    effect->SetTargetInput(value);
    Grudges().push_back(this);
}

SIM_Grudge::~SIM_Grudge()
{
    auto& grudges = Grudges();
    grudges.erase(std::remove(grudges.begin(), grudges.end(), this), grudges.end());
}

float SIM_Grudge::Recalculate()
{
    Propagate();
    return mValue;
}

SIM_Grudge* SIM_Grudge::CreateGrudge(const std::string& guiName, const std::string& targetName, float value,
                                     float decay)
{
    Neuron* target = Target(targetName);
    if (!target)
        return nullptr;
    auto* grudge = new SIM_Grudge(target, targetName, value, decay, 0);
    grudge->SetDisplayName(guiName);
    return grudge;
}

SIM_Grudge* SIM_Grudge::CreateNamedGrudge(const std::string& name, const std::string& targetName, float value,
                                          float decay)
{
    return CreateInertialGrudge(name, targetName, value, decay, 0.0f);
}

SIM_Grudge* SIM_Grudge::CreateInertialGrudge(const std::string& name, const std::string& targetName, float value,
                                             float decay, float inertia)
{
    Neuron* target = Target(targetName);
    if (!target)
        return nullptr;
    Neuron* subject = Neuron::FindNeuronQuietly(name);
    ASSERT_CHECK(subject != nullptr);
    if (!subject)
        TRACE_MESSAGE("grudge subject not found: " + name);
    int drag = inertia > 0.0f ? static_cast<int>(inertia) : 0;
    if (drag > static_cast<int>(NeuralEffect::kMaxInertialDrag))
        drag = static_cast<int>(NeuralEffect::kMaxInertialDrag);
    auto* grudge = new SIM_Grudge(target, targetName, value, decay, drag);
    grudge->SetName(name);
    grudge->SetDisplayName(subject ? subject->GetDisplayName() : name);
    return grudge;
}

bool SIM_Grudge::Decays()
{
    const float previous = mValue;
    ++mAge;
    mValue *= mDecay;
    mBaseValue = mValue;
    return previous > 0.0f ? mValue >= kSurvivalThreshold : mValue <= -kSurvivalThreshold;
}

void SIM_Grudge::UpdateGrudges()
{
    std::vector<SIM_Grudge*> faded;
    for (SIM_Grudge* grudge : Grudges())
        if (!grudge->Decays())
            faded.push_back(grudge);
    for (SIM_Grudge* grudge : faded)
        delete grudge;
}

const std::vector<SIM_Grudge*>& SIM_Grudge::All() { return Grudges(); }

SIM_Grudge* SIM_Grudge::FindGrudge(const Neuron* target, const std::string& name)
{
    NeuralEffect* effect = target ? target->FindGrudgeInput(name) : nullptr;
    return effect ? static_cast<SIM_Grudge*>(effect->GetSource()) : nullptr;
}
