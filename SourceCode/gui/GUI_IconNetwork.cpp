#include "gui/GUI_IconNetwork.h"

#include <algorithm>

#include "gui/GUI_IconBase.h"

GUI_IconNetwork& GetIconNetwork()
{
    static GUI_IconNetwork network;
    return network;
}

float GUI_IconNetwork::BrightnessAt(int state, double elapsedMs)
{
    switch (state) {
    case FADE_DIMMING:
        return std::max(0.0f, 1.0f - static_cast<float>(elapsedMs) / 1000.0f);
    case FADE_BRIGHTENING:
        return std::min(1.0f, static_cast<float>(elapsedMs) / 1000.0f);
    default:
        return 1.0f;
    }
}

void GUI_IconNetwork::BeginFrame()
{
    mTimer.Update();
    mBrightness = BrightnessAt(mState, mTimer.Elapsed() + mOffset);
    if (mState == FADE_BRIGHTENING && mBrightness >= 1.0f)
        mState = FADE_BRIGHT;
    mAnyHighlighted = false;
}

void GUI_IconNetwork::EndFrame()
{
    // Restart the timer as if the new fade had begun from the present brightness.
    if (mAnyHighlighted && mState != FADE_DIMMING) {
        mState = FADE_DIMMING;
        mTimer.Start();
        mOffset = (1.0f - mBrightness) * 1000.0;
    } else if (!mAnyHighlighted && mState == FADE_DIMMING) {
        mState = FADE_BRIGHTENING;
        mTimer.Start();
        mOffset = mBrightness * 1000.0;
    }
}

bool GUI_IconNetwork::Hidden(const GUI_IconBase& icon) const
{
    switch (icon.GetKind()) {
    case GUI_IconBase::KIND_POLICY: return HidePolicies;
    case GUI_IconBase::KIND_SITUATION: return HideSituations;
    case GUI_IconBase::KIND_SIMVAL: return HideValues;
    case GUI_IconBase::KIND_VOTER: return HideVoters;
    }
    return false;
}

bool GUI_IconNetwork::ClickAllowed(const GUI_IconBase& icon) const
{
    if (Hidden(icon))
        return false;
    return !mRestricted || mPermitted.count(icon.GetNeuron()) > 0;
}
