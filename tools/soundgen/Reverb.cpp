#include "Reverb.h"

#include <vector>

namespace {

struct Comb {
    std::vector<float> line;
    size_t at = 0;
    float store = 0;
    float Process(float x, float feedback, float damping)
    {
        float y = line[at];
        store = y * (1 - damping) + store * damping;
        line[at] = x + store * feedback;
        at = (at + 1) % line.size();
        return y;
    }
};

struct AllPass {
    std::vector<float> line;
    size_t at = 0;
    float Process(float x)
    {
        float buffered = line[at];
        float y = -x + buffered;
        line[at] = x + buffered * 0.5f;
        at = (at + 1) % line.size();
        return y;
    }
};

void ProcessChannel(std::vector<float>& samples, float wet, float size, float feedback, float damping, int spread)
{
    const int combLengths[] = {1116, 1188, 1277, 1356, 1422, 1491};
    const int allPassLengths[] = {556, 441, 341};
    std::vector<Comb> combs;
    for (int n : combLengths) combs.push_back({std::vector<float>(size_t(float(n + spread) * size), 0.0f)});
    std::vector<AllPass> passes;
    for (int n : allPassLengths) passes.push_back({std::vector<float>(size_t(n + spread / 2), 0.0f)});
    for (float& s : samples) {
        float in = s * 0.12f, out = 0;
        for (auto& c : combs) out += c.Process(in, feedback, damping);
        for (auto& p : passes) out = p.Process(out);
        s += out * wet;
    }
}

}  // namespace

void Reverb::Apply(AudioBuffer& buffer, float wet, float size, float feedback, float damping)
{
    ProcessChannel(buffer.Left(), wet, size, feedback, damping, 0);
    ProcessChannel(buffer.Right(), wet, size, feedback, damping, 23);
}
