#include "gamedata/SpecialNeurons.h"

#include "gamedata/CGlobalEconomy.h"
#include "sim/Neuron.h"

namespace {
Neuron* gWinning = nullptr;
Neuron* gDebt = nullptr;
CGlobalEconomy* gGlobalEconomy = nullptr;
Neuron* gSecurity = nullptr;

template <typename T>
T* MakeSpecial(const char* name, const char* displayName, float id)
{
    T* neuron = new T();
    neuron->SetName(name);
    neuron->SetDisplayName(displayName);
    neuron->SetID(id);
    neuron->SetActive(true);
    return neuron;
}
}  // namespace

void SpecialNeurons::Create()
{
    gWinning = MakeSpecial<Neuron>("_winning_", "", 1.0f);
    gDebt = MakeSpecial<Neuron>("_debt_", "National Debt", 2.0f);
    gGlobalEconomy = MakeSpecial<CGlobalEconomy>("_globaleconomy_", "Economic Cycle", 3.0f);
    gSecurity = MakeSpecial<Neuron>("_security_", "Security", 4.0f);
}

Neuron* SpecialNeurons::Winning() { return gWinning; }
Neuron* SpecialNeurons::Debt() { return gDebt; }
CGlobalEconomy* SpecialNeurons::GlobalEconomy() { return gGlobalEconomy; }
Neuron* SpecialNeurons::Security() { return gSecurity; }

void SpecialNeurons::Forget()
{
    gWinning = nullptr;
    gDebt = nullptr;
    gGlobalEconomy = nullptr;
    gSecurity = nullptr;
}
