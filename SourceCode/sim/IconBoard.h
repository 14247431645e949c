#pragma once

class Neuron;
class SIM_PolicyGroup;

// The group areas of the main screen as the model sees them: the model says
// when a simulation value, situation or policy gains or loses its icon in a
// group's area, and the main screen draws it. The model never draws; the
// default board does nothing, and tests install one that records the calls.
class IconBoard {
public:
    virtual ~IconBoard() = default;
    virtual void AddIcon(SIM_PolicyGroup* /*group*/, Neuron* /*neuron*/) {}
    // Removing an icon that is not there is harmless. A value, situation or
    // policy that is deleted while it shows an icon removes it first, so a
    // board never holds a neuron that is gone.
    virtual void RemoveIcon(SIM_PolicyGroup* /*group*/, Neuron* /*neuron*/) {}

    // The board in use; never null.
    static IconBoard& Current();
    // Installs a board (not owned); null puts the do-nothing board back.
    static void Set(IconBoard* board);
};
