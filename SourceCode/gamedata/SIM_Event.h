#pragma once
#include <string>
#include <vector>

#include "sim/Neuron.h"

class IniSection;

// Something that simply happens: when its value, computed from its influences,
// is the highest and high enough, it runs its script and joins the issues list.
// Read from an event file, or made at run time (a minister resigning).
class SIM_Event : public Neuron {
public:
    SIM_Event();

    // Reads sections "config", "influences" and "prereqs" of an event file.
    // An event without a name is a fatal data error naming the file.
    static SIM_Event* Load(const std::string& path);

    // Keeps the previous value while the mission lacks a listed module.
    float Recalculate() override;
    bool PrereqsMet() const;

    // Runs the on-implement script, posts the event to the issues list.
    void Trigger();
    // The player opens its window: the on-view script.
    void View();

    const std::string& Description() const { return mDescription; }
    void SetDescription(const std::string& text) { mDescription = text; }
    const std::string& Texture() const { return mTexture; }
    void SetTexture(const std::string& texture) { mTexture = texture; }
    const std::string& OnImplement() const { return mOnImplement; }
    void SetOnImplement(const std::string& script) { mOnImplement = script; }
    const std::string& OnView() const { return mOnView; }
    void SetOnView(const std::string& script) { mOnView = script; }
    const std::vector<std::string>& Prereqs() const { return mPrereqs; }
    void AddPrereq(const std::string& module) { mPrereqs.push_back(module); }
    bool IsTriggered() const { return mTriggered; }
    void SetTriggered(bool triggered) { mTriggered = triggered; }

private:
    std::string mDescription;
    std::string mTexture;
    std::string mOnImplement;
    std::string mOnView;
    std::vector<std::string> mPrereqs;
    bool mTriggered = false;
};
