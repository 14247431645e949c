#pragma once
#include <string>
#include <vector>

// The layout of a policy slider: how many notches it has and what each notch
// is called ("None", "Low", ... or "10%", "20%", ...). Notch i of n stands for
// the level i / (n - 1).
class SliderDefinition {
public:
    SliderDefinition(std::string name, int steps, std::vector<std::string> labels);

    const std::string& Name() const { return mName; }
    int Steps() const { return mSteps; }
    // "" for a notch without a label.
    const std::string& Label(int step) const;
    const std::vector<std::string>& Labels() const { return mLabels; }

    // The level of a notch, in [0, 1].
    float StepValue(int step) const;
    // The notch nearest a level.
    int NearestStep(float level) const;

private:
    std::string mName;
    int mSteps;
    std::vector<std::string> mLabels;
};
