// Reads arbitrary text as a policy record (first line) and a situation record
// (second line), builds them into a small network and runs a turn. A record
// may be refused with a fatal error, but nothing may crash or leak.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "engine/Diagnostics.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/RecordLine.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_Situation.h"
#include "sim/SIM_SituationManager.h"

namespace {

struct Refused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void Setup()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Diagnostics::SetFatalHandler([](const std::string& line, const std::string&) { throw Refused(line); });
    GetPolicyManager().CreateGroups();
    GetPolicyManager().Sliders().Clear();
}

void ClearAll()
{
    GetSituationManager().Release();
    // Release deletes the groups with the policies; they are made again below.
    GetPolicyManager().Release();
    GetPolicyManager().CreateGroups();
    Neuron::ClearNetwork();
    SetRunning(false);
    NeuralEffect::ClearEffects();
    SetRunning(true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Setup();
    std::string text(reinterpret_cast<const char*>(data), size);
    size_t newline = text.find('\n');
    std::string first = text.substr(0, newline);
    std::string second = newline == std::string::npos ? std::string() : text.substr(newline + 1);

    auto* crime = new Neuron();
    crime->SetName("Crime");
    auto* poor = new Neuron();
    poor->SetName("Poor");
    try {
        auto* policy = new SIM_Policy(RecordLine{"#," + first, "fuzz", 1});
        policy->ReadFields(GetPolicyManager().Sliders());
        policy->Introduce();
        policy->SetPlayerSetting(0.9f);
        if (second.size() >= SIM_Situation::kMinRecordLength)
            new SIM_Situation(RecordLine{second, "fuzz", 2});
        for (int turn = 0; turn < 2; ++turn) {
            GetPolicyManager().AdvanceImplementation();
            NeuralEffect::UpdateAllEffects();
            Neuron::RecalculateAll();
            Neuron::EndTurnAll();
            GetPolicyManager().ComputePopularity();
        }
        volatile float money = policy->CurrentCost() + policy->CurrentIncome();
        (void)money;
        policy->Cancel();
    } catch (const Refused&) {
    }
    ClearAll();
    return 0;
}
