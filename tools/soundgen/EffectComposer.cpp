#include "EffectComposer.h"

#include <algorithm>
#include <cmath>

#include "Biquad.h"
#include "Reverb.h"
#include "Rng.h"

namespace {

constexpr float kTwoPi = 6.28318531f;
constexpr float kRate = float(AudioBuffer::kRate);

size_t Frame(double seconds) { return size_t(std::max(0.0, seconds) * AudioBuffer::kRate); }

struct Vowel {
    float f1, f2, f3;
};
const Vowel kOo{300, 870, 2240};
const Vowel kAh{750, 1200, 2500};
const Vowel kEh{550, 1770, 2490};

// One voice in a crowd: a buzzing source through three formant filters.
// glide is the pitch change over the note, as a fraction.
void Voice(AudioBuffer& out, Rng& rng, double start, double length, float pitch, float glide, const Vowel& vowel,
           float level, float pan)
{
    Biquad f1 = Biquad::BandPass(kRate, vowel.f1 * rng.Range(0.92f, 1.08f), 6);
    Biquad f2 = Biquad::BandPass(kRate, vowel.f2 * rng.Range(0.92f, 1.08f), 8);
    Biquad f3 = Biquad::BandPass(kRate, vowel.f3, 10);
    size_t first = Frame(start), count = Frame(length);
    float phase = 0, wander = 0, vibratoRate = rng.Range(4.5f, 6.5f);
    for (size_t i = 0; i < count; ++i) {
        float t = float(i) / float(count), seconds = float(i) / kRate;
        wander = wander * 0.999f + rng.Noise() * 0.0008f;
        // Rise then settle, like a shout.
        float shape = glide * std::sin(3.14159265f * std::min(1.0f, t * 1.4f));
        float f = pitch * (1.0f + shape + wander + 0.012f * std::sin(kTwoPi * vibratoRate * seconds));
        phase += f / kRate;
        phase -= std::floor(phase);
        float source = (2.0f * phase - 1.0f) + 0.15f * rng.Noise();
        float s = f1.Process(source) + 0.6f * f2.Process(source) + 0.25f * f3.Process(source);
        float env = std::min(1.0f, seconds / 0.12f) * std::min(1.0f, (float(count - i) / kRate) / 0.35f);
        out.Add(first + i, s * env * level, pan);
    }
}

// Applause: many clappers, each at their own rate and tone.
void Applause(AudioBuffer& out, Rng& rng, double start, double length, int clappers, float level)
{
    for (int c = 0; c < clappers; ++c) {
        float centre = rng.Range(900, 2600), rate = rng.Range(3.2f, 5.2f), pan = rng.Range(-0.9f, 0.9f);
        float loud = rng.Range(0.4f, 1.0f);
        double t = start + rng.Range(0, 0.4f);
        while (t < start + length) {
            Biquad band = Biquad::BandPass(kRate, centre * rng.Range(0.9f, 1.1f), 1.4f);
            double progress = (t - start) / length;
            float env = float(std::min(1.0, progress / 0.08) * std::min(1.0, (1.0 - progress) / 0.4));
            size_t first = Frame(t), count = Frame(0.03);
            for (size_t i = 0; i < count; ++i) {
                float s = band.Process(rng.Noise()) * std::exp(-float(i) / kRate * 180.0f);
                out.Add(first + i, s * env * loud * level, pan);
            }
            t += (1.0 / rate) * rng.Range(0.85f, 1.15f);
        }
    }
}

// Tiny bright pops after a burst, thinning out.
void Crackle(AudioBuffer& out, Rng& rng, double start, double length, int pops, float level)
{
    for (int p = 0; p < pops; ++p) {
        double t = start + length * std::pow(rng.Uniform(), 1.6f);
        Biquad band = Biquad::BandPass(kRate, rng.Range(2500, 6500), 2.0f);
        size_t first = Frame(t), count = Frame(0.006);
        float loud = level * rng.Range(0.3f, 1.0f) * float(1.0 - (t - start) / length * 0.7);
        for (size_t i = 0; i < count; ++i)
            out.Add(first + i, band.Process(rng.Noise()) * std::exp(-float(i) / kRate * 900.0f) * loud, 0);
    }
}

// The burst itself: a low thump and a falling roar of noise.
void Bang(AudioBuffer& out, Rng& rng, double start, float size, float level)
{
    size_t first = Frame(start), count = Frame(0.9 + size * 0.8);
    Biquad low = Biquad::LowPass(kRate, 1800.0f * size);
    float phase = 0;
    for (size_t i = 0; i < count; ++i) {
        float t = float(i) / kRate;
        phase += kTwoPi * (45.0f + 40.0f * std::exp(-t * 20.0f)) / kRate;
        float roar = low.Process(rng.Noise()) * std::exp(-t * (5.0f / size));
        float thump = std::sin(phase) * std::exp(-t * 6.0f) * 0.8f;
        out.Add(first + i, (roar * 1.6f + thump) * std::min(1.0f, t / 0.002f) * level, 0);
    }
}

AudioBuffer Finish(AudioBuffer out, float peak)
{
    out.Normalise(peak);
    return out;
}

}  // namespace

AudioBuffer EffectComposer::MenuClick()
{
    AudioBuffer out(0.09);
    Rng rng(11);
    Biquad high = Biquad::HighPass(kRate, 3000.0f);
    for (size_t i = 0; i < out.Frames(); ++i) {
        float t = float(i) / kRate;
        float s = std::sin(kTwoPi * 1750.0f * t) * std::exp(-t * 140.0f) * 0.7f;
        s += high.Process(rng.Noise()) * std::exp(-t * 900.0f) * 0.6f;
        out.Add(i, s, 0);
    }
    return Finish(std::move(out), 0.6f);
}

AudioBuffer EffectComposer::Click()
{
    AudioBuffer out(0.12);
    Rng rng(12);
    Biquad band = Biquad::BandPass(kRate, 2200.0f, 2.0f);
    for (size_t i = 0; i < out.Frames(); ++i) {
        float t = float(i) / kRate;
        float s = (std::sin(kTwoPi * 820.0f * t) + 0.4f * std::sin(kTwoPi * 1640.0f * t)) * std::exp(-t * 70.0f);
        s += band.Process(rng.Noise()) * std::exp(-t * 600.0f) * 0.8f;
        out.Add(i, s, 0);
    }
    return Finish(std::move(out), 0.6f);
}

AudioBuffer EffectComposer::CrowdAngry()
{
    AudioBuffer out(4.5);
    Rng rng(21);
    // Booing: long falling "oo" sounds, mostly low voices, over a grumbling murmur.
    for (int v = 0; v < 28; ++v) {
        bool low = v % 3 != 0;
        float pitch = low ? rng.Range(95, 145) : rng.Range(175, 235);
        double start = rng.Range(0, 1.6f), length = rng.Range(1.4f, 2.8f);
        Voice(out, rng, start, std::min(length, 4.4 - start), pitch, -0.06f, kOo, 0.5f, rng.Range(-0.8f, 0.8f));
    }
    Biquad murmur = Biquad::LowPass(kRate, 500.0f);
    for (size_t i = 0; i < out.Frames(); ++i) {
        float t = float(i) / float(out.Frames());
        out.Add(i, murmur.Process(rng.Noise()) * 0.35f * std::min(1.0f, t * 8) * std::min(1.0f, (1 - t) * 4), 0);
    }
    Reverb::Apply(out, 0.35f, 1.2f);
    return Finish(std::move(out), 0.75f);
}

AudioBuffer EffectComposer::CrowdClap()
{
    AudioBuffer out(4.0);
    Rng rng(22);
    Applause(out, rng, 0.0, 3.9, 40, 0.5f);
    Reverb::Apply(out, 0.3f, 1.2f);
    return Finish(std::move(out), 0.75f);
}

AudioBuffer EffectComposer::CrowdCheer()
{
    AudioBuffer out(5.0);
    Rng rng(23);
    Applause(out, rng, 0.0, 4.9, 50, 0.45f);
    // Cheers: rising "ah" and "eh" shouts, then a second wave.
    for (int v = 0; v < 34; ++v) {
        bool low = v % 2 == 0;
        float pitch = low ? rng.Range(130, 190) : rng.Range(230, 330);
        double start = v < 20 ? rng.Range(0, 0.8f) : rng.Range(1.6f, 2.8f);
        double length = rng.Range(0.7f, 1.6f);
        Voice(out, rng, start, length, pitch, rng.Range(0.08f, 0.2f), v % 3 ? kAh : kEh, 0.45f, rng.Range(-0.8f, 0.8f));
    }
    // Two whistles.
    for (int w = 0; w < 2; ++w) {
        double start = 0.3 + w * 1.7;
        size_t first = Frame(start), count = Frame(0.9);
        float phase = 0, base = w ? 2300.0f : 2000.0f;
        for (size_t i = 0; i < count; ++i) {
            float t = float(i) / float(count);
            float f = base * (1.0f + 0.25f * std::sin(3.14159265f * t)) * (1.0f + 0.01f * std::sin(t * 90));
            phase += kTwoPi * f / kRate;
            out.Add(first + i, std::sin(phase) * 0.12f * std::sin(3.14159265f * t), w ? 0.5f : -0.5f);
        }
    }
    Reverb::Apply(out, 0.3f, 1.2f);
    return Finish(std::move(out), 0.75f);
}

AudioBuffer EffectComposer::Firework(int variant)
{
    AudioBuffer out(variant == 3 ? 3.2 : 2.6);
    Rng rng(uint32_t(30 + variant));
    double burst = 0.0;
    if (variant == 2) {
        // A whistling rocket first.
        burst = 0.95;
        size_t count = Frame(0.9);
        float phase = 0;
        for (size_t i = 0; i < count; ++i) {
            float t = float(i) / float(count);
            phase += kTwoPi * (1100.0f + 1500.0f * t) / kRate;
            out.Add(i, (std::sin(phase) * 0.25f + rng.Noise() * 0.04f) * std::min(1.0f, t * 6) * (1.0f - t * 0.4f), 0);
        }
    }
    float size = variant == 3 ? 1.6f : 1.0f;
    Bang(out, rng, burst, size, 0.9f);
    Crackle(out, rng, burst + 0.15, variant == 3 ? 2.6 : 1.5, variant == 1 ? 160 : 90, 0.5f);
    Reverb::Apply(out, variant == 3 ? 0.6f : 0.4f, 1.5f, 0.84f);
    return Finish(std::move(out), 0.85f);
}
