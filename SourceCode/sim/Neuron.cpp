#include "sim/Neuron.h"

#include <cmath>

#include "engine/Diagnostics.h"
#include "gamedata/RecordTokenizer.h"
#include "platform/NumberText.h"
#include "gamedata/SpecialNeurons.h"
#include "politics/SIM_VoterManager.h"
#include "sim/Clamp.h"
#include "sim/NeuralEffect.h"
#include "sim/SIM_RandomNeuron.h"

struct NeuronRegistrySlot {
    static size_t& Get(Neuron* neuron) { return neuron->mNeuronSlot; }
};

namespace {

SlotList<Neuron, NeuronRegistrySlot>& Registry()
{
    static SlotList<Neuron, NeuronRegistrySlot> registry;
    return registry;
}

float gNextID = 100.0f;

}  // namespace

size_t& Neuron::IncomingSlotOf::Get(NeuralEffect* effect) { return effect->mIncomingSlot; }
size_t& Neuron::OutgoingSlotOf::Get(NeuralEffect* effect) { return effect->mOutgoingSlot; }

Neuron::Neuron()
{
    mHistory.fill(0.5f);
    mID = NextID();
    Registry().Add(this);
}

Neuron::~Neuron()
{
    Registry().Remove(this);
    if (!IsRunning())
        return;
    // Each effect unlinks itself from both ends as it goes.
    for (NeuralEffect* effect : std::vector<NeuralEffect*>(mOutgoing.Items()))
        delete effect;
    for (NeuralEffect* effect : std::vector<NeuralEffect*>(mIncoming.Items()))
        delete effect;
}

float Neuron::NextID()
{
    float id = gNextID;
    gNextID += 1.0f;
    return id;
}

void Neuron::LinkIncoming(NeuralEffect* effect) { mIncoming.Add(effect); }
void Neuron::LinkOutgoing(NeuralEffect* effect) { mOutgoing.Add(effect); }
void Neuron::UnlinkIncoming(NeuralEffect* effect) { mIncoming.Remove(effect); }
void Neuron::UnlinkOutgoing(NeuralEffect* effect) { mOutgoing.Remove(effect); }

void Neuron::ResetHistory() { mHistory.fill(mValue); }

bool Neuron::AcceptsEffect(const NeuralEffect*) const { return true; }

float Neuron::Recalculate()
{
    float acc = mCombination == COMBINE_PRODUCT ? 1.0f : 0.0f;
    for (NeuralEffect* effect : mIncoming.Items()) {
        if (!effect->SourceIsActive() || !AcceptsEffect(effect))
            continue;
        float e = effect->GetEffectiveOutput();
        if (mCombination == COMBINE_PRODUCT)
            acc = e * acc;
        else
            acc = acc + e;
    }
    mValue = ClampMinusOneToOne(mBaseValue + acc);
    Propagate();
    return mValue;
}

void Neuron::Propagate()
{
    for (NeuralEffect* effect : mOutgoing.Items()) {
        unsigned drag = effect->GetInertialDrag();
        if (drag == 0) {
            effect->SetTargetInput(GetValue());
        } else {
            float sum = 0.0f;
            for (unsigned i = 0; i <= drag; ++i)
                sum += mHistory[i];
            effect->SetTargetInput(sum / static_cast<float>(drag + 1));
        }
    }
    mInputsSorted = false;
}

void Neuron::SortInputs()
{
    if (mInputsSorted)
        return;
    // Insertion by falling strength: each effect goes before the first placed
    // one that is no stronger, so among equals the later effect comes first.
    std::vector<NeuralEffect*> sorted;
    std::vector<float> strengths;
    for (NeuralEffect* effect : mIncoming.Items()) {
        float strength = std::fabs(effect->GetEffectiveOutput());
        size_t at = 0;
        while (at < sorted.size() && !(strengths[at] <= strength))
            ++at;
        sorted.insert(sorted.begin() + static_cast<long>(at), effect);
        strengths.insert(strengths.begin() + static_cast<long>(at), strength);
    }
    mIncoming.Reorder(std::move(sorted));
    mInputsSorted = true;
}

void Neuron::ShiftHistory()
{
    for (int i = kHistorySize - 1; i >= 1; --i)
        mHistory[i] = mHistory[i - 1];
    mHistory[0] = ClampMinusOneToOne(GetValue());
}

void Neuron::ParseInfluenceLine(const std::string& line)
{
    if (line.size() < 3)
        return;
    if (line.find(',') == std::string::npos)
        FATAL_ERROR("missing comma");
    // Effect lines are cut like every record line of the data files.
    RecordTokenizer fields(line);
    const std::string source = fields.NextTrimmedText();

    if (source == "_random_") {
        float lower = fields.NextFloat();
        float upper = fields.NextFloat();
        new NeuralEffect(new SIM_RandomNeuron(lower, upper), this, "0+(1.0*x)", 1.0f, 1.0f);
        return;
    }
    if (source == "_default_") {
        mBaseValue = fields.NextFloat();
        return;
    }
    Neuron* from = FindNeuron(source);
    if (!from) {
        TRACE_MESSAGE("failed to find event influence " + source);
        return;
    }
    std::string formula = fields.NextTrimmedText();
    ApplyDrag(new NeuralEffect(from, this, formula, 1.0f, 1.0f), fields);
}

void Neuron::ParseEffectLine(const std::string& line)
{
    if (line.find(',') == std::string::npos)
        return;
    RecordTokenizer fields(line);
    const std::string targetName = fields.NextTrimmedText();
    Neuron* to = FindNeuron(targetName);
    if (!to) {
        TRACE_MESSAGE("Failed to find " + targetName + " for " + mName + ",");
        return;
    }
    std::string formula = fields.NextTrimmedText();
    ApplyDrag(new NeuralEffect(this, to, formula, 1.0f, 0.5f), fields);
}

// The optional third field of an effect line: the inertial drag.
void Neuron::ApplyDrag(NeuralEffect* effect, RecordTokenizer& fields)
{
    if (fields.AtEnd())
        return;
    int drag = fields.NextInt();
    if (drag != 0)
        effect->SetInertialDrag(static_cast<unsigned>(drag));
}

NeuralEffect* Neuron::FindGrudgeInput(const std::string& name) const
{
    for (NeuralEffect* effect : mIncoming.Items()) {
        Neuron* source = effect->GetSource();
        if (source && source->GetType() == NEURON_GRUDGE && source->GetName() == name)
            return effect;
    }
    return nullptr;
}

const std::vector<Neuron*>& Neuron::All() { return Registry().Items(); }

size_t Neuron::Count() { return Registry().Size(); }

Neuron* Neuron::FindNeuronQuietly(const std::string& name)
{
    if (name.size() < 3)
        return nullptr;
    for (Neuron* neuron : Registry().Items())
        if (neuron->mName == name)
            return neuron;
    return nullptr;
}

Neuron* Neuron::FindNeuron(const std::string& name)
{
    if (name.size() < 3)
        return nullptr;
    Neuron* found = FindNeuronQuietly(name);
    if (!found)
        TRACE_MESSAGE("Failed to find neuron");
    return found;
}

namespace {
// Calls the pass on every neuron in list order. By index, and skipping holes,
// because a neuron may be created or destroyed during the pass.
template <typename Pass>
void ForEachNeuron(Pass pass)
{
    const auto& neurons = Registry().Items();
    for (size_t i = 0; i < neurons.size(); ++i)
        if (neurons[i])
            pass(*neurons[i]);
}
}  // namespace

void Neuron::RecalculateAll()
{
    ForEachNeuron([](Neuron& neuron) { neuron.Recalculate(); });
    // The voters stand last in the order and pass nothing on: their own pass.
    SIM_VoterManager::Get().RecalculateVoters();
}

void Neuron::EndTurnAll()
{
    ForEachNeuron([](Neuron& neuron) {
        neuron.ShiftHistory();
        neuron.EndTurn();
    });
}

void Neuron::ResetAllHistories()
{
    ForEachNeuron([](Neuron& neuron) { neuron.ResetHistory(); });
}

void Neuron::OrderNetwork()
{
    // Values flow forward within one pass: whatever stands earlier passes its
    // new value to what stands later in the same recalculation.
    static const int kOrder[] = {NEURON_PLAIN,     NEURON_PLAYER,   NEURON_POLICY, NEURON_RANDOM,   NEURON_GRUDGE,
                                 NEURON_SIMVAL,    NEURON_SITUATION, NEURON_EVENT, NEURON_DILEMMA,  NEURON_MINISTER,
                                 NEURON_VOTERTYPE, NEURON_VOTERTYPE_FREQUENCY,   NEURON_VOTER};
    const auto& neurons = Registry().Items();
    std::vector<Neuron*> ordered;
    ordered.reserve(neurons.size());
    for (int type : kOrder)
        for (Neuron* neuron : neurons)
            if (neuron->mType == type)
                ordered.push_back(neuron);
    // Any type outside the table keeps its place at the end.
    for (Neuron* neuron : neurons) {
        bool known = false;
        for (int type : kOrder)
            known = known || neuron->mType == type;
        if (!known)
            ordered.push_back(neuron);
    }
    Registry().Reorder(std::move(ordered));
}

void Neuron::RestoreOrder(std::vector<Neuron*> neurons) { Registry().Reorder(std::move(neurons)); }

void Neuron::ClearNetwork()
{
    // Walk the raw slots: a deleted neuron leaves a hole, and so do the
    // neurons that its owner deletes with it.
    const auto& slots = Registry().Slots();
    for (size_t i = 0; i < slots.size(); ++i) {
        Neuron* neuron = slots[i];
        if (neuron && !neuron->mOwnedByParent)
            delete neuron;
    }
    Registry().Compact();
    gNextID = 100.0f;
    // Those who keep pointers to neurons that were just deleted forget them.
    SpecialNeurons::Forget();
    SIM_VoterManager::Get().ForgetNetwork();
}
