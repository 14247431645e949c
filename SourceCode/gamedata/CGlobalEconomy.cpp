#include "gamedata/CGlobalEconomy.h"

#include <cmath>

#include "sim/NeuralEffect.h"
#include "sim/SimRandom.h"

CGlobalEconomy::CGlobalEconomy() {}

void CGlobalEconomy::SetUp(float phase, float amplitude)
{
    mPhase = phase;
    mPeriod = kPeriod;
    mAmplitude = amplitude;
    SetName("GlobalEconomy");
    mValue = std::sin(mPhase * kTwoPi) * mAmplitude;
    if (Neuron* gdp = FindNeuron("GDP"))
        new NeuralEffect(this, gdp, "0+(1.0*x)", mAmplitude, mValue);
}

void CGlobalEconomy::Advance()
{
    mPhase += 1.0f / (mPeriod * 4.0f);
    if (mPhase > 1.0f)
        mPhase -= 1.0f;
    mValue = std::sin(mPhase * kTwoPi) * mAmplitude * SimRandom::Float(0.9f, 1.1f);
    Propagate();
}
