#pragma once
#include <string>
#include <vector>

#include "gui/GUI_Dialog.h"
#include "gui/GUI_HistoryGraph.h"

class NeuralEffect;
class Neuron;

// The details of a simulation value, a situation or a voter group: its
// history over the last turns, what influences it (strongest first) and its
// encyclopedia text.
class GUI_NeuronDetails : public GUI_Dialog {
public:
    static constexpr const char* kName = "NeuronDetails";

    // Opens the window for the neuron of that name after a fade to black.
    static void OpenAfterFade(const Neuron* neuron);
    static GUI_NeuronDetails* Open(Neuron* neuron);

    // The incoming effects, strongest (by absolute output) first.
    static std::vector<NeuralEffect*> InfluencesByStrength(const Neuron& neuron);

    explicit GUI_NeuronDetails(Neuron* neuron);
    void Draw() override;
    Neuron* GetNeuron() const { return mNeuron; }

private:
    std::string Encyclopedia() const;

    Neuron* mNeuron;
    GUI_HistoryGraph mGraph;
};
