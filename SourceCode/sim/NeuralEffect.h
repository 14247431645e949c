#pragma once
#include <string>
#include <vector>

#include "sim/EffectFormula.h"

class Neuron;

// One directed edge of the network: carries the value of its source into its
// target through an effect formula, optionally averaged over past turns (the
// inertial drag) and walked towards its target input over several turns (steps).
class NeuralEffect {
public:
    static constexpr unsigned kMaxInertialDrag = 32;

    NeuralEffect(Neuron* source, Neuron* target, const std::string& formula, float multiplier, float initialInput);
    ~NeuralEffect();
    NeuralEffect(const NeuralEffect&) = delete;
    NeuralEffect& operator=(const NeuralEffect&) = delete;

    Neuron* GetSource() const { return mSource; }
    Neuron* GetTarget() const { return mTarget; }

    void SetInertialDrag(unsigned turns);
    unsigned GetInertialDrag() const { return mInertialDrag; }
    void SetTargetInput(float value) { mTargetInput = value; }
    float GetTargetInput() const { return mTargetInput; }
    // Also recomputes the output at once.
    void SetInput(float value);
    float GetInput() const { return mInput; }
    void SetMultiplier(float value) { mMultiplier = value; }
    float GetMultiplier() const { return mMultiplier; }
    void SetSteps(int steps) { mSteps = steps < 1 ? 1 : steps; }
    int GetSteps() const { return mSteps; }
    float GetLastChange() const { return mLastChange; }
    const std::string& GetFormula() const { return mFormula->Text(); }

    // The stored output, as last computed. A result that is not a number (0/0,
    // 0 * infinity in a formula) counts as 0 and is logged once per effect;
    // infinities stand and are clamped by the target neuron.
    float GetOutput() const { return mOutput; }
    // Computes the output (moving the input to the target input first when the
    // effect has one step or the network is initialising) and weighs it by the
    // source's implementation and ministerial factor.
    float GetEffectiveOutput();
    // The output computed anew, without the source's weights.
    float ComputeOutput();

    // The formula at the current input, without multiplier or weights.
    float EvaluateAtInput() const { return mFormula->Evaluate(mInput); }
    // The formula at any x, times the multiplier and the source's ministerial
    // factor; the effect itself is left unchanged (for response curves).
    float EvaluateAt(float x) const;
    // The formula at the target input, without multiplier (for slider previews).
    float EvaluateAtTarget() const;

    // One turn of inertia (see UpdateAllEffects).
    void Update();

    // True while the source is active. A missing source is fatal.
    bool SourceIsActive() const;

    // Everything an effect carries from one turn to the next (saved games).
    struct State {
        float multiplier = 0.0f;
        float input = 0.0f;
        float targetInput = 0.0f;
        float output = 0.0f;
        float lastChange = 0.0f;
        bool firstUpdatePending = false;
        int steps = 1;
        unsigned inertialDrag = 0;
    };
    State GetState() const;
    // The drag must be within kMaxInertialDrag.
    void SetState(const State& state);

    // --- the registry of live effects, in creation order
    static const std::vector<NeuralEffect*>& All();
    static size_t Count();
    static void UpdateAllEffects();
    // Deletes every effect; only while links are not maintained.
    static void ClearEffects();

    // While set (during game setup), every effect behaves as if it had one step.
    static void SetInitialising(bool initialising);
    static bool IsInitialising();

    // Slots in the three lists the effect is in; kept by those lists.
    size_t mEffectSlot = 0;
    size_t mIncomingSlot = 0;
    size_t mOutgoingSlot = 0;

private:
    float Counted(float result);

    Neuron* mSource;
    Neuron* mTarget;
    float mMultiplier;
    float mInput;
    float mTargetInput;
    float mOutput = 0.0f;
    bool mFirstUpdatePending = true;
    float mLastChange = 0.0f;
    int mSteps = 1;
    const EffectFormula* mFormula = nullptr;  // shared, see EffectFormula::Intern
    unsigned mInertialDrag = 0;
    bool mNoNumberReported = false;
};

// The running flag: true while the game runs and the network keeps its links.
// While it is false (shutdown, and while game setup tears the network down),
// destroyed neurons and effects skip unlinking themselves, and no frame is drawn.
bool IsRunning();
void SetRunning(bool running);
