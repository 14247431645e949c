#pragma once
// A stereo float buffer that instruments add into, with the finishing steps:
// folding a loop's tail back onto its start, normalising and writing WAV.
#include <string>
#include <vector>

class AudioBuffer {
public:
    static constexpr int kRate = 44100;

    explicit AudioBuffer(double seconds);

    size_t Frames() const { return left_.size(); }
    double Seconds() const { return double(Frames()) / kRate; }

    // Adds a mono sample at a frame, placed by pan (-1 left .. 1 right, equal power).
    void Add(size_t frame, float sample, float pan = 0.0f);
    void AddStereo(size_t frame, float l, float r);
    std::vector<float>& Left() { return left_; }
    std::vector<float>& Right() { return right_; }

    // For loops: everything past `seconds` is added back onto the start and cut
    // off, so the ringing of the last bar continues into the first on repeat.
    void FoldTail(double seconds);
    // Soft-limits and scales so the loudest sample reaches `peak`.
    void Normalise(float peak);
    // 16-bit PCM, stereo or (mono = true) the average of both channels.
    bool WriteWav(const std::string& path, bool mono) const;

private:
    std::vector<float> left_, right_;
};
