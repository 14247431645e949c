#pragma once

class Neuron;
class CGlobalEconomy;

// The four built-in neurons that data files can name like any other:
//   "_winning_"        (id 1) the government's standing, fed by the opinion poll
//   "_debt_"           (id 2) the debt burden, fed by the finances
//   "_globaleconomy_"  (id 3) the world economic cycle
//   "_security_"       (id 4) fed only by the effects the data direct at it
// Game setup creates them anew after clearing the network; clearing the
// network makes this class forget them.
class SpecialNeurons {
public:
    // Creates all four (the previous ones must have gone with the network).
    static void Create();

    static Neuron* Winning();
    static Neuron* Debt();
    static CGlobalEconomy* GlobalEconomy();
    static Neuron* Security();

    // Forgets the pointers (the neurons themselves belong to the network).
    static void Forget();
};
