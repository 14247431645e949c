#pragma once
#include "sim/Neuron.h"

// The player's slider setting of one policy. Its value is set directly by the
// policy screens; one effect carries it into the policy over the policy's
// implementation time.
class SIM_PlayerNeuron : public Neuron {
public:
    SIM_PlayerNeuron();
    // Only passes the value on.
    float Recalculate() override;
};
