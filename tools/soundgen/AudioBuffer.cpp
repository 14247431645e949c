#include "AudioBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

AudioBuffer::AudioBuffer(double seconds)
    : left_(size_t(seconds * kRate) + 1, 0.0f), right_(size_t(seconds * kRate) + 1, 0.0f)
{
}

void AudioBuffer::Add(size_t frame, float sample, float pan)
{
    if (frame >= left_.size()) return;
    float angle = (pan + 1.0f) * 0.25f * 3.14159265f;
    left_[frame] += sample * std::cos(angle) * 1.41421356f;
    right_[frame] += sample * std::sin(angle) * 1.41421356f;
}

void AudioBuffer::AddStereo(size_t frame, float l, float r)
{
    if (frame >= left_.size()) return;
    left_[frame] += l;
    right_[frame] += r;
}

void AudioBuffer::FoldTail(double seconds)
{
    size_t length = size_t(seconds * kRate);
    for (size_t i = length; i < left_.size(); ++i) {
        left_[(i - length) % length] += left_[i];
        right_[(i - length) % length] += right_[i];
    }
    left_.resize(length);
    right_.resize(length);
}

void AudioBuffer::Normalise(float peak)
{
    // A gentle knee above 0.7 keeps rare peaks from setting the whole level.
    auto soft = [](float x) {
        float a = std::fabs(x);
        if (a <= 0.7f) return x;
        float y = 0.7f + 0.3f * std::tanh((a - 0.7f) / 0.3f);
        return x < 0 ? -y : y;
    };
    float loudest = 0.0f;
    for (size_t i = 0; i < left_.size(); ++i)
        loudest = std::max({loudest, std::fabs(left_[i]), std::fabs(right_[i])});
    if (loudest <= 0.0f) return;
    float pre = 1.0f / loudest;
    float loudestAfter = 0.0f;
    for (size_t i = 0; i < left_.size(); ++i) {
        left_[i] = soft(left_[i] * pre * 1.2f);
        right_[i] = soft(right_[i] * pre * 1.2f);
        loudestAfter = std::max({loudestAfter, std::fabs(left_[i]), std::fabs(right_[i])});
    }
    float gain = peak / loudestAfter;
    for (size_t i = 0; i < left_.size(); ++i) {
        left_[i] *= gain;
        right_[i] *= gain;
    }
}

bool AudioBuffer::WriteWav(const std::string& path, bool mono) const
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const uint16_t channels = mono ? 1 : 2;
    const uint32_t dataBytes = uint32_t(left_.size()) * channels * 2;
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) std::fputc(int((v >> (8 * i)) & 0xFF), f); };
    auto u16 = [&](uint16_t v) { std::fputc(v & 0xFF, f); std::fputc(v >> 8, f); };
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);
    u16(channels);
    u32(kRate);
    u32(kRate * channels * 2);
    u16(uint16_t(channels * 2));
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(dataBytes);
    auto pcm = [](float v) { return uint16_t(int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f))); };
    for (size_t i = 0; i < left_.size(); ++i) {
        if (mono) {
            u16(pcm((left_[i] + right_[i]) * 0.5f));
        } else {
            u16(pcm(left_[i]));
            u16(pcm(right_[i]));
        }
    }
    return std::fclose(f) == 0;
}
