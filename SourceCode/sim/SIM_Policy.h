#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gamedata/CFinanceObject.h"
#include "sim/Neuron.h"
#include "sim/RecordLine.h"

class SIM_PlayerNeuron;
class SIM_PolicyGroup;
class SliderDefinition;
class SliderDefinitions;

// One of the player's levers. The player's slider setting reaches the policy's
// value over its implementation time; once introduced, the policy acts on the
// network through the effects of its record, weighed by its implementation
// level and its minister, and it costs and earns money by its value.
class SIM_Policy : public Neuron, public CFinanceObject {
public:
    // A record has 15 fields, then exactly this, then the effect lines.
    static constexpr const char* kEffectsMarker = "#Effects";
    static constexpr int kFieldsBeforeEffects = 15;

    // First phase: the name, the icon and a check of the effect lines (every
    // target must already exist). A corrupted record is fatal.
    explicit SIM_Policy(const RecordLine& record);
    ~SIM_Policy() override;

    // Second phase, once every neuron the policy acts on exists: fields 3 to 15.
    void ReadFields(const SliderDefinitions& sliders);

    void ResetHistory() override;
    float Recalculate() override;
    float ImplementationLevel() const override { return mImplementation; }
    float MinisterialFactor() const override;

    virtual float CurrentCost() const;
    virtual float CurrentIncome() const;
    float CostAt(float level) const;
    float IncomeAt(float level) const;

    // Spends the introduction cost, puts the policy in its group and in force
    // (gradually). A policy already active is left alone.
    void Introduce();
    // Takes the policy out of force; its effects stay and count again after a
    // re-introduction.
    void Cancel();
    // The slider: the player setting becomes the level (kept within [0, 1]).
    void SetPlayerSetting(float level);
    float PlayerSetting() const;
    // Missions and uncancellable policies: in force at once at the given
    // implementation, every effect at the policy's present value.
    void SetInForce(float implementation);
    // A mission's setting: introduced when inactive, the slider at the value,
    // fully implemented.
    void ApplyMissionSetting(float value);
    // One turn of implementation: grows by the ministerial factor over the
    // implementation turns, up to 1.
    void AdvanceImplementation();
    void SetImplementation(float level) { mImplementation = level; }
    float Implementation() const { return mImplementation; }

    // How the voter groups affected feel about it (0.5 neutral); each group
    // counts by its number of members.
    void ComputePopularity();
    float Popularity() const { return mPopularity; }
    void SetPopularity(float popularity) { mPopularity = popularity; }
    // The same over several policies together (a group's popularity).
    static float PopularityOf(const std::vector<SIM_Policy*>& policies);

    // --- fields
    SIM_PolicyGroup* Group() const { return mGroup; }
    const std::string& Description() const { return mDescription; }
    const std::string& Record() const { return mRecord.text; }
    const RecordLine& RecordSource() const { return mRecord; }
    const SliderDefinition* Slider() const { return mSlider; }
    int ImplementationTurns() const { return mImplementationTurns; }
    int IntroductionCost() const { return mIntroductionCost; }
    bool IsCancellable() const { return mCancellable; }
    bool EffectsCreated() const { return mEffectsCreated; }
    const std::string& Icon() const { return mIcon; }
    Neuron& CostNeuron() { return mCostNeuron; }
    Neuron& IncomeNeuron() { return mIncomeNeuron; }
    SIM_PlayerNeuron* PlayerNeuron() const { return mPlayer; }
    // The effect that carries the player setting into the policy.
    NeuralEffect* PlayerEffect() const { return mPlayerEffect; }

    // "icons_<name in lower case>.dds" when that picture exists, else "".
    static std::string FindIcon(const std::string& policyName);

private:
    void CheckEffectLines() const;
    void CreateEffects();
    [[noreturn]] void Corrupted() const;
    void ReadMultiplierLines(Neuron& neuron, const std::string& field);

    SIM_PolicyGroup* mGroup = nullptr;
    float mImplementation = 0.0f;
    std::string mDescription;
    RecordLine mRecord;
    const SliderDefinition* mSlider = nullptr;
    float mPopularity = 0.5f;
    int mImplementationTurns = 1;
    Neuron mCostNeuron;
    Neuron mIncomeNeuron;
    SIM_PlayerNeuron* mPlayer = nullptr;
    NeuralEffect* mPlayerEffect = nullptr;
    bool mCancellable = true;
    bool mEffectsCreated = false;
    std::string mIcon;
    int mIntroductionCost = 0;
};
