#pragma once
#include <cstdint>
#include <set>

#include "engine/FrameTimer.h"

class GUI_IconBase;
class Neuron;

// The shared state of the icon network: the background brightness that dims
// while an icon is the focus and brightens again after, and what the play
// guide hides or allows.
class GUI_IconNetwork {
public:
    enum Fade { FADE_DIMMING = 0, FADE_BRIGHTENING = 1, FADE_BRIGHT = 2 };

    // Before the icons: advance the fade by the elapsed time; clear the highlight note.
    void BeginFrame();
    // After the icons: start dimming or brightening when the focus changed.
    void EndFrame();
    // Pure fade rule, for a state and elapsed milliseconds.
    static float BrightnessAt(int state, double elapsedMs);

    void NoteHighlight() { mAnyHighlighted = true; }
    bool AnyHighlighted() const { return mAnyHighlighted; }
    float Brightness() const { return mBrightness; }
    int FadeState() const { return mState; }

    // --- the play guide
    bool ClickAllowed(const GUI_IconBase& icon) const;
    bool Hidden(const GUI_IconBase& icon) const;
    bool ConnectorsAllowed() const { return !DisableConnectors; }
    void ClearPermitted() { mPermitted.clear(); mRestricted = true; }
    void Permit(const Neuron* neuron) { mPermitted.insert(neuron); }
    void AllowAll() { mPermitted.clear(); mRestricted = false; }
    bool HidePolicies = false;
    bool HideSituations = false;
    bool HideValues = false;
    bool HideVoters = false;
    bool DisableConnectors = false;

private:
    float mBrightness = 1.0f;
    int mState = FADE_BRIGHT;
    bool mAnyHighlighted = false;
    FrameTimer mTimer;
    double mOffset = 0.0;
    bool mRestricted = false;
    std::set<const Neuron*> mPermitted;
};

GUI_IconNetwork& GetIconNetwork();
