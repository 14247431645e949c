#pragma once
#include <string>
#include <vector>

#include "sim/Neuron.h"

// A decaying push on one neuron: scripts create them, and ministers in office
// give their voter groups a standing one. Its value is not computed from
// inputs; it only passes its current value on to its one effect.
class SIM_Grudge : public Neuron {
public:
    // Below this magnitude a decaying grudge is gone.
    static constexpr float kSurvivalThreshold = 0.01f;

    ~SIM_Grudge() override;

    float Recalculate() override;

    // Each reports a missing target through the assertion routine and then
    // makes no grudge (null): there would be nothing to act on.
    static SIM_Grudge* CreateGrudge(const std::string& guiName, const std::string& targetName, float value, float decay);
    // Named after its subject, whose display name it takes.
    static SIM_Grudge* CreateNamedGrudge(const std::string& name, const std::string& targetName, float value,
                                         float decay);
    static SIM_Grudge* CreateInertialGrudge(const std::string& name, const std::string& targetName, float value,
                                            float decay, float inertia);

    // Once per turn: every grudge decays; those that fall below the threshold are deleted.
    static void UpdateGrudges();
    static const std::vector<SIM_Grudge*>& All();
    // The grudge of that name among the target's inputs, or null.
    static SIM_Grudge* FindGrudge(const Neuron* target, const std::string& name);

    float Decay() const { return mDecay; }
    int Age() const { return mAge; }
    void SetAge(int age) { mAge = age; }
    const std::string& TargetName() const { return mTargetName; }
    int Inertia() const { return mInertia; }

private:
    SIM_Grudge(Neuron* target, const std::string& targetName, float value, float decay, int inertia);
    // One turn of decay; false when the grudge has faded away.
    bool Decays();

    std::string mTargetName;
    float mDecay;
    int mAge = 0;
    int mInertia;
};
