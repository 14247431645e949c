#include "gui/GUI_IconConnectors.h"

#include <algorithm>
#include <cmath>

#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "gui/GUI_IconBase.h"
#include "gui/GUI_IconNetwork.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"

namespace {
constexpr float kDegreesToRadians = 0.01745329238474369f;
constexpr float kPulseSpacing = 12.0f;
constexpr float kPulseSize = 6.0f;
constexpr float kLineThickness = 10.0f;
constexpr int kStillFramesForLines = 5;
}  // namespace

uint32_t GUI_IconConnectors::ColourFor(float v)
{
    if (v < -0.25f)
        return 0xA6FF1010u;
    if (v < 0.0f)
        return 0x80FF2020u;
    if (v < 0.25f)
        return 0x8022FF6Cu;
    return 0xA620FF20u;
}

void GUI_IconConnectors::Rebuild()
{
    mLines.clear();
    Neuron* neuron = mIcon->GetNeuron();
    if (!neuron)
        return;
    for (NeuralEffect* effect : neuron->Outgoing())
        if (GUI_IconBase* target = GUI_IconBase::Find(effect->GetTarget()); target && target != mIcon)
            mLines.push_back(Line{effect, mIcon, target});
    for (NeuralEffect* effect : neuron->Incoming())
        if (GUI_IconBase* cause = GUI_IconBase::Find(effect->GetSource()); cause && cause != mIcon)
            mLines.push_back(Line{effect, cause, mIcon});
}

void GUI_IconConnectors::Highlight()
{
    if (GetInput().StillFrames < kStillFramesForLines || !GetIconNetwork().ConnectorsAllowed())
        return;
    for (Line& line : mLines) {
        line.cause->Highlight();
        line.target->Highlight();
    }
    Highlighted = true;
}

void GUI_IconConnectors::Draw(uint32_t now)
{
    if (!Highlighted)
        return;
    for (Line& line : mLines)
        DrawLine(line, now);
}

void GUI_IconConnectors::DrawLine(Line& line, uint32_t now)
{
    if (!line.cause->Visible || !line.target->Visible)
        return;
    const float v = line.effect->GetOutput();
    const uint32_t colour = ColourFor(v);
    const float x1 = line.cause->CentreX(), y1 = line.cause->CentreY();
    const float x2 = line.target->CentreX(), y2 = line.target->CentreY();
    const float distance = Distance(x1, y1, x2, y2);
    const float bearing = Bearing(x1, y1, x2, y2);
    float rotation = bearing + 90.0f;
    if (rotation >= 360.0f)
        rotation -= 360.0f;
    mLineSprite.SetSize(distance, kLineThickness);
    mLineSprite.SetRotation(rotation);
    mLineSprite.SetPosition((x1 + x2) / 2, (y1 + y2) / 2);
    mLineSprite.SetColour(colour);
    mLineSprite.Draw();
    if (GUI_Tooltip* tooltip = line.target->Tooltip(); tooltip && line.target != mIcon)
        tooltip->Raise();

    const float dt = line.lastUpdate == 0 ? 0.0f : std::min((now - line.lastUpdate) / 15.0f, 4.0f);
    line.lastUpdate = now;
    line.pulseOffset += dt * 1.5f * std::max(std::fabs(v), 0.1f);
    if (line.pulseOffset > kPulseSpacing)
        line.pulseOffset -= kPulseSpacing;
    const float radians = bearing * kDegreesToRadians;
    D3DEngine& engine = GetD3DEngine();
    engine.SetTexture(static_cast<TextureRecord*>(nullptr));
    mPulse.SetSize(kPulseSize, kPulseSize);
    mPulse.SetRotation(bearing);
    mPulse.SetColour(colour);
    for (float d = line.pulseOffset; d < distance; d += kPulseSpacing) {
        mPulse.SetPosition(x1 + d * std::sin(radians), y1 - d * std::cos(radians));
        mPulse.Draw();
    }
}
