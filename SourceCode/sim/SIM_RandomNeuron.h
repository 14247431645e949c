#pragma once
#include "sim/Neuron.h"

// A neuron that draws a fresh value between two bounds every turn, from the
// shared generator. Made by "_random_,low,high" influence lines.
class SIM_RandomNeuron : public Neuron {
public:
    SIM_RandomNeuron(float lower, float upper);
    float Recalculate() override;
    float Lower() const { return mLower; }
    float Upper() const { return mUpper; }

private:
    float mLower;
    float mUpper;
};
