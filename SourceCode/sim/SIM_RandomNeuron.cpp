#include "sim/SIM_RandomNeuron.h"

#include "sim/SimRandom.h"

SIM_RandomNeuron::SIM_RandomNeuron(float lower, float upper) : mLower(lower), mUpper(upper)
{
    SetName("random");
    SetType(NEURON_RANDOM);
}

float SIM_RandomNeuron::Recalculate()
{
    float r = static_cast<float>(SimRandom::Next()) / static_cast<float>(SimRandom::kMax);
    mValue = mLower + (mUpper - mLower) * r;
    Propagate();
    return mValue;
}
