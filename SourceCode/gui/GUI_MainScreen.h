#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/GUI_PeopleStripSlots.h"
#include "gui/GUI_Screen.h"

class GUI_Highlighter;
class GUI_IconBase;
class GUI_RightClickMenu;
class GUI_TopStrip;
class Neuron;
class SIM_PolicyGroup;

// Where the game is played: the network of values, situations and policies
// as icons on the ring of the seven policy areas, the voter groups in the
// middle, the top strip with the control panel, and the right-click menu.
// The icons are this screen's buttons, so scripts click them by name
// ("Icon_" and the neuron's name).
class GUI_MainScreen : public GUI_Screen {
public:
    GUI_MainScreen();
    ~GUI_MainScreen() override;

    void Activate() override;
    void Update() override;
    void Render() override;
    bool OnClick(float x, float y) override;
    void OnKey(int scanCode) override;

    // --- what the model asks for (through the game's presentation)
    void AddIcon(SIM_PolicyGroup* group, Neuron* neuron);
    void RemoveIcon(Neuron* neuron);
    void RefreshIcons();
    void ClearIcons();

    void AddHighlighter(const std::string& neuronName, uint32_t durationMs);
    void OpenRightClickMenu(float x, float y);
    void CloseRightClickMenu();
    GUI_RightClickMenu* RightClickMenu() const;
    GUI_TopStrip* TopStrip() const;

    // Draws the network alone (benchmarks).
    void DrawNetwork();

private:
    void EnsureWindows();
    void PlaceIcon(GUI_IconBase* icon, const SIM_PolicyGroup* group);
    void SyncVoterIcons();
    void RebuildConnectors();
    void DrawGroupLabels();

    GUI_PeopleStripSlots mSlots;
    std::vector<std::unique_ptr<GUI_Highlighter>> mHighlighters;
};

GUI_MainScreen& GetMainScreen();
