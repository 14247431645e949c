#include "Instruments.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Biquad.h"

namespace {

constexpr float kTwoPi = 6.28318531f;
constexpr float kRate = float(AudioBuffer::kRate);

size_t FrameAt(double seconds) { return size_t(std::max(0.0, seconds) * AudioBuffer::kRate); }

// Attack-decay-sustain-release level at time t of a note held for `length`.
float Envelope(float t, float length, float attack, float decay, float sustain, float release)
{
    float level;
    if (t < attack) level = t / attack;
    else if (t < attack + decay) level = 1.0f - (1.0f - sustain) * (t - attack) / decay;
    else level = sustain;
    if (t > length) level *= std::max(0.0f, 1.0f - (t - length) / release);
    return level;
}

}  // namespace

float Instruments::Frequency(int midiNote)
{
    return 440.0f * std::pow(2.0f, float(midiNote - 69) / 12.0f);
}

void Instruments::Pad(AudioBuffer& out, double start, double length, int note, float level, float pan)
{
    const float f = Frequency(note), attack = 0.7f, release = 1.6f;
    const float detune[] = {-0.0045f, 0.0f, 0.005f};
    const float voicePan[] = {-0.5f, 0.0f, 0.5f};
    const float len = float(length);
    size_t first = FrameAt(start), count = size_t((len + release) * kRate);
    for (int v = 0; v < 3; ++v) {
        float fv = f * (1.0f + detune[v]);
        for (size_t i = 0; i < count; ++i) {
            float t = float(i) / kRate;
            float env = Envelope(t, len, attack, 0.5f, 0.85f, release);
            float s = 0;
            for (int k = 1; k <= 6; ++k) {
                if (fv * float(k) > 9000.0f) break;
                s += std::sin(kTwoPi * fv * float(k) * t + float(k * v)) / float(k * k);
            }
            float shimmer = 1.0f + 0.08f * std::sin(kTwoPi * 0.25f * t + float(v));
            out.Add(first + i, s * env * shimmer * level / 3.0f, std::clamp(pan + voicePan[v] * 0.6f, -1.0f, 1.0f));
        }
    }
}

void Instruments::Pluck(AudioBuffer& out, double start, int note, float level, float pan, Rng& rng, float decay)
{
    const float f = Frequency(note);
    size_t period = std::max<size_t>(2, size_t(kRate / f));
    std::vector<float> line(period);
    // A softened noise burst gives a round, not harsh, attack.
    float previous = 0;
    for (float& s : line) {
        float n = rng.Noise();
        s = 0.5f * (n + previous);
        previous = n;
    }
    size_t first = FrameAt(start), count = size_t(2.5f * kRate), at = 0;
    for (size_t i = 0; i < count; ++i) {
        float s = line[at];
        size_t next = (at + 1) % period;
        line[at] = decay * 0.5f * (line[at] + line[next]);
        at = next;
        float fadeOut = i > count - 2000 ? float(count - i) / 2000.0f : 1.0f;
        out.Add(first + i, s * level * fadeOut, pan);
    }
}

void Instruments::Bell(AudioBuffer& out, double start, double length, int note, float level, float pan)
{
    const float f = Frequency(note), len = std::max(float(length), 1.2f);
    size_t first = FrameAt(start), count = size_t((len + 1.5f) * kRate);
    for (size_t i = 0; i < count; ++i) {
        float t = float(i) / kRate;
        float index = 1.6f * std::exp(-t * 4.0f) + 0.25f;
        float mod = std::sin(kTwoPi * f * 2.0f * t) * index;
        float env = std::min(1.0f, t / 0.004f) * std::exp(-t * 1.6f);
        float s = std::sin(kTwoPi * f * t + mod) + 0.15f * std::sin(kTwoPi * f * 4.0f * t) * std::exp(-t * 6);
        out.Add(first + i, s * env * level, pan);
    }
}

void Instruments::Bass(AudioBuffer& out, double start, double length, int note, float level)
{
    const float f = Frequency(note), len = float(length);
    size_t first = FrameAt(start), count = size_t((len + 0.25f) * kRate);
    for (size_t i = 0; i < count; ++i) {
        float t = float(i) / kRate;
        float env = Envelope(t, len, 0.012f, 0.25f, 0.7f, 0.25f);
        float s = std::sin(kTwoPi * f * t) + 0.25f * std::sin(kTwoPi * 2 * f * t) + 0.08f * std::sin(kTwoPi * 3 * f * t);
        out.Add(first + i, std::tanh(s * 1.2f) * env * level, 0.0f);
    }
}

void Instruments::Brass(AudioBuffer& out, double start, double length, int note, float level, float pan)
{
    const float f = Frequency(note), len = float(length);
    size_t first = FrameAt(start), count = size_t((len + 0.3f) * kRate);
    float phase = 0;
    for (size_t i = 0; i < count; ++i) {
        float t = float(i) / kRate;
        float env = Envelope(t, len, 0.035f, 0.15f, 0.8f, 0.3f);
        float bright = std::min(1.0f, t / 0.08f) * (0.6f + 0.4f * env);
        float vibrato = t > 0.25f ? 1.0f + 0.004f * std::sin(kTwoPi * 5.5f * t) : 1.0f;
        phase += kTwoPi * f * vibrato / kRate;
        float s = 0;
        for (int k = 1; k <= 10; ++k) {
            if (f * float(k) > 8000.0f) break;
            float weight = std::pow(bright, float(k - 1) * 0.5f) / float(k);
            s += std::sin(phase * float(k)) * weight;
        }
        out.Add(first + i, s * env * level * 0.5f, pan);
    }
}

void Instruments::Timpani(AudioBuffer& out, double start, int note, float level, float pan, Rng& rng)
{
    const float f = Frequency(note);
    size_t first = FrameAt(start), count = size_t(1.6f * kRate);
    Biquad thump = Biquad::LowPass(kRate, 300.0f);
    float phase = 0;
    for (size_t i = 0; i < count; ++i) {
        float t = float(i) / kRate;
        float pitch = f * (1.0f + 0.06f * std::exp(-t * 30.0f));
        phase += kTwoPi * pitch / kRate;
        float s = std::sin(phase) * std::exp(-t * 2.5f) + 0.4f * std::sin(phase * 1.5f) * std::exp(-t * 4.0f);
        s += thump.Process(rng.Noise()) * std::exp(-t * 25.0f) * 2.0f;
        out.Add(first + i, s * level, pan);
    }
}

void Instruments::Kick(AudioBuffer& out, double start, float level)
{
    size_t first = FrameAt(start), count = size_t(0.35f * kRate);
    float phase = 0;
    for (size_t i = 0; i < count; ++i) {
        float t = float(i) / kRate;
        phase += kTwoPi * (48.0f + 70.0f * std::exp(-t * 35.0f)) / kRate;
        out.Add(first + i, std::sin(phase) * std::exp(-t * 9.0f) * level, 0.0f);
    }
}

void Instruments::HiHat(AudioBuffer& out, double start, float level, float pan, Rng& rng)
{
    size_t first = FrameAt(start), count = size_t(0.08f * kRate);
    Biquad high = Biquad::HighPass(kRate, 7000.0f);
    for (size_t i = 0; i < count; ++i) {
        float t = float(i) / kRate;
        out.Add(first + i, high.Process(rng.Noise()) * std::exp(-t * 60.0f) * level, pan);
    }
}

void Instruments::Swell(AudioBuffer& out, double start, double length, float level, Rng& rng)
{
    size_t first = FrameAt(start), count = size_t(length * kRate);
    Biquad left = Biquad::HighPass(kRate, 4000.0f), right = Biquad::HighPass(kRate, 4000.0f);
    for (size_t i = 0; i < count; ++i) {
        float t = float(i) / float(count);
        float env = t * t * level;
        out.AddStereo(first + i, left.Process(rng.Noise()) * env, right.Process(rng.Noise()) * env);
    }
}
