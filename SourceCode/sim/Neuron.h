#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "sim/SlotList.h"

class NeuralEffect;
class RecordTokenizer;

// Type codes of the neuron classes. The ordering pass groups neurons by them.
enum NeuronType : int {
    NEURON_PLAIN = 0,
    NEURON_VOTER = 1,
    NEURON_SITUATION = 2,
    NEURON_SIMVAL = 3,
    NEURON_DILEMMA = 4,
    NEURON_VOTERTYPE = 5,
    NEURON_RANDOM = 6,
    NEURON_GRUDGE = 7,
    NEURON_POLICY = 8,
    NEURON_PLAYER = 9,
    NEURON_EVENT = 10,
    NEURON_VOTERTYPE_FREQUENCY = 11,
    NEURON_MINISTER = 12,
};

enum NeuronCombination : int {
    COMBINE_SUM = 1,
    COMBINE_PRODUCT = 2,
};

// One simulated quantity of the network: a policy, a value, a voter...
// Its value is recomputed every turn from its incoming effects and recorded
// in a 33-turn history (newest first).
class Neuron {
public:
    static constexpr int kHistorySize = 33;

    Neuron();
    virtual ~Neuron();
    Neuron(const Neuron&) = delete;
    Neuron& operator=(const Neuron&) = delete;

    virtual void ResetHistory();
    virtual float Recalculate();
    virtual void EndTurn() {}
    virtual float GetValue() const { return mValue; }
    virtual bool AcceptsEffect(const NeuralEffect* effect) const;

    // How strongly this neuron's outgoing effects act: 1 for every neuron but
    // a policy, whose effects are weighed by its implementation level and the
    // competence of its minister.
    virtual float ImplementationLevel() const { return 1.0f; }
    virtual float MinisterialFactor() const { return 1.0f; }

    // Passes the value on to every outgoing effect (their target inputs).
    void Propagate();
    // Reorders the incoming effects by falling absolute strength (for screens).
    void SortInputs();

    // Declares an effect into this neuron: "source,formula[,drag]",
    // "_random_,low,high" or "_default_,base".
    void ParseInfluenceLine(const std::string& line);
    // Declares an effect out of this neuron: "target,formula[,drag]".
    void ParseEffectLine(const std::string& line);

    // The incoming effect whose source is the grudge of that name.
    NeuralEffect* FindGrudgeInput(const std::string& name) const;

    // --- fields
    float GetBaseValue() const { return mBaseValue; }
    void SetBaseValue(float value) { mBaseValue = value; }
    void SetValue(float value) { mValue = value; }
    const std::string& GetName() const { return mName; }
    void SetName(const std::string& name) { mName = name; }
    const std::string& GetDisplayName() const { return mDisplayName; }
    void SetDisplayName(const std::string& name) { mDisplayName = name; }
    float GetID() const { return mID; }
    void SetID(float id) { mID = id; }
    int GetType() const { return mType; }
    bool IsActive() const { return mActive; }
    void SetActive(bool active) { mActive = active; }
    int GetCombination() const { return mCombination; }
    void SetCombination(int combination) { mCombination = combination; }
    float History(int turnsAgo) const { return mHistory[turnsAgo]; }
    void SetHistory(int turnsAgo, float value) { mHistory[turnsAgo] = value; }
    bool InputsSorted() const { return mInputsSorted; }

    const std::vector<NeuralEffect*>& Incoming() const { return mIncoming.Items(); }
    const std::vector<NeuralEffect*>& Outgoing() const { return mOutgoing.Items(); }

    // Neurons that live inside another object (a policy's cost neuron, a voter
    // group's frequency neuron) are deleted by that object, never by ClearNetwork.
    void SetOwnedByParent() { mOwnedByParent = true; }
    bool IsOwnedByParent() const { return mOwnedByParent; }

    // A saved game puts the incoming effects back in the order they were summed
    // in (the same effects, reordered).
    void RestoreIncomingOrder(std::vector<NeuralEffect*> effects) { mIncoming.Reorder(std::move(effects)); }

    // Shifts the history by one turn and records the current value (clamped).
    void ShiftHistory();

    // --- the registry of live neurons, in recalculation order
    static const std::vector<Neuron*>& All();
    static size_t Count();
    // Exact, case-sensitive. Names under 3 characters find nothing, silently;
    // other misses are logged.
    static Neuron* FindNeuron(const std::string& name);
    // Like FindNeuron, without the log line: for optional look-ups.
    static Neuron* FindNeuronQuietly(const std::string& name);

    // --- network passes
    static void RecalculateAll();
    static void EndTurnAll();
    static void ResetAllHistories();
    static void OrderNetwork();
    static void ClearNetwork();
    // A saved game puts the recalculation order back (the same neurons, reordered).
    static void RestoreOrder(std::vector<Neuron*> neurons);
    // The id counter, 100 after a clear.
    static float NextID();

protected:
    void SetType(int type) { mType = type; }

    float mValue = 0.0f;
    float mBaseValue = 0.0f;

private:
    friend class NeuralEffect;
    // The neuron registry (Neuron.cpp) keeps the slot; nothing else touches it.
    friend struct NeuronRegistrySlot;
    size_t mNeuronSlot = 0;

    static void ApplyDrag(NeuralEffect* effect, RecordTokenizer& fields);
    void LinkIncoming(NeuralEffect* effect);
    void LinkOutgoing(NeuralEffect* effect);
    void UnlinkIncoming(NeuralEffect* effect);
    void UnlinkOutgoing(NeuralEffect* effect);

    std::string mName;
    std::string mDisplayName;
    float mID = 0.0f;
    int mType = NEURON_PLAIN;
    int mCombination = COMBINE_SUM;
    bool mActive = true;
    bool mInputsSorted = false;
    bool mOwnedByParent = false;

    // Each effect keeps its own slot in both lists (see NeuralEffect).
    struct IncomingSlotOf {
        static size_t& Get(NeuralEffect* effect);
    };
    struct OutgoingSlotOf {
        static size_t& Get(NeuralEffect* effect);
    };
    SlotList<NeuralEffect, IncomingSlotOf> mIncoming;
    SlotList<NeuralEffect, OutgoingSlotOf> mOutgoing;

    std::array<float, kHistorySize> mHistory;
};
