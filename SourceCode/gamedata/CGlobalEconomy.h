#pragma once
#include "sim/Neuron.h"

// The world's economic cycle: a sine wave over 24 turns that swings GDP up and
// down. Its value is set directly each turn; it combines no inputs.
class CGlobalEconomy : public Neuron {
public:
    static constexpr float kPeriod = 6.0f;
    static constexpr float kTwoPi = 6.2831854820251465f;

    CGlobalEconomy();
    float Recalculate() override { return mValue; }

    // New game: phase from the mission, amplitude from the GLOBALECONOMY
    // option; names itself "GlobalEconomy" and drives "GDP" (when it exists).
    void SetUp(float phase, float amplitude);
    // One turn on: the phase moves a quarter of a period step, the value is
    // the sine times the amplitude times a random factor in [0.9, 1.1].
    void Advance();

    float Phase() const { return mPhase; }
    float Period() const { return mPeriod; }
    float Amplitude() const { return mAmplitude; }
    void SetPhase(float phase) { mPhase = phase; }
    void SetPeriod(float period) { mPeriod = period; }
    void SetAmplitude(float amplitude) { mAmplitude = amplitude; }

private:
    float mPhase = 0.0f;
    float mPeriod = kPeriod;
    float mAmplitude = 0.0f;
};
