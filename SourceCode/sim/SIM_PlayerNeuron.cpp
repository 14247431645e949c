#include "sim/SIM_PlayerNeuron.h"

SIM_PlayerNeuron::SIM_PlayerNeuron()
{
    SetName("PlayerInput");
    SetType(NEURON_PLAYER);
    mValue = 0.5f;
}

float SIM_PlayerNeuron::Recalculate()
{
    Propagate();
    return mValue;
}
