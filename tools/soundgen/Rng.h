#pragma once
// A small deterministic generator, so every run of soundgen makes the same sounds.
#include <cstdint>

class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 1u) {}
    uint32_t Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    float Uniform() { return float(Next() & 0xFFFFFF) / float(0xFFFFFF); }  // 0..1
    float Range(float a, float b) { return a + (b - a) * Uniform(); }
    float Noise() { return Uniform() * 2.0f - 1.0f; }

private:
    uint32_t state_;
};
