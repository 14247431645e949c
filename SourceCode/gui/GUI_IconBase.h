#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_ButtonBase.h"

class GUI_IconConnectors;
class Neuron;

// One icon of the network on the main screen: a simulation value, situation,
// policy or voter group. It fades with the background unless it is the focus
// of attention, and after the mouse rests on it long enough it becomes that
// focus and shows its influence lines. Every icon is in one global list.
class GUI_IconBase : public GUI_ButtonBase {
public:
    // Which play-guide flag hides the icon.
    enum Kind { KIND_SIMVAL, KIND_SITUATION, KIND_POLICY, KIND_VOTER };
    static constexpr int kHoverFrames = 50;
    static constexpr float kSize = 50.0f;

    GUI_IconBase(Kind kind, Neuron* neuron);
    ~GUI_IconBase() override;

    void UpdateHover() override;
    bool OnClick(float x, float y) override;
    virtual void DrawTooltip();
    virtual void SetCentre(float x, float y);
    void Highlight();
    void ResetHighlight();
    // Opens the neuron's details window (after a fade to black).
    virtual void OpenDetails() = 0;

    Neuron* GetNeuron() const { return mNeuron; }
    Kind GetKind() const { return mKind; }
    float CentreX() const { return (mRect.left + mRect.right) / 2.0f; }
    float CentreY() const { return (mRect.top + mRect.bottom) / 2.0f; }
    GUI_IconConnectors& Connectors() { return *mConnectors; }

    // The icon of a neuron, or null.
    static GUI_IconBase* Find(const Neuron* neuron);
    static const std::vector<GUI_IconBase*>& All();

    float Alpha = 1.0f;
    bool Highlighted = false;
    bool ShowTooltip = true;
    int HoverCount = 0;

protected:
    // The circle, its picture and its caption under it, at the icon's alpha.
    void DrawCircle(uint32_t rgb, const std::string& picture);
    std::string Caption() const;
    // The caption with the value as a percentage.
    virtual std::string TooltipText() const;

    Kind mKind;
    Neuron* mNeuron;
    CTexturedSprite mCircle;
    CTexturedSprite mRing{"circ_highlight.dds"};
    CTexturedSprite mPicture;
    std::unique_ptr<GUI_IconConnectors> mConnectors;
};
