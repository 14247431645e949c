#include "gui/GUI_Highlighter.h"

#include <algorithm>

#include "gui/GUI_IconBase.h"
#include "sim/Neuron.h"

namespace {
constexpr float kOuter = 512.0f;
constexpr float kInner = 512.0f * 0.85f;
}  // namespace

GUI_Highlighter::GUI_Highlighter(std::string neuronName, uint32_t nowMs, uint32_t durationMs)
    : mNeuronName(std::move(neuronName)), mStart(nowMs), mDuration(std::max<uint32_t>(durationMs, 1))
{
    mOuter.SetRotation(static_cast<float>((mStart * 7919u) % 360u));
    mInner.SetRotation(static_cast<float>((mStart * 104729u) % 360u));
}

float GUI_Highlighter::Progress(uint32_t start, uint32_t duration, uint32_t now)
{
    if (duration == 0)
        return 1.0f;
    const float remaining = std::max(0.0f, static_cast<float>(start + duration) - static_cast<float>(now));
    return std::clamp(1.0f - remaining / static_cast<float>(duration), 0.0f, 1.0f);
}

bool GUI_Highlighter::Draw(uint32_t now)
{
    if (now >= mStart + mDuration)
        return false;
    const GUI_IconBase* icon = GUI_IconBase::Find(Neuron::FindNeuronQuietly(mNeuronName));
    if (!icon)
        return true;
    const float f = Progress(mStart, mDuration, now);
    const uint32_t alpha = static_cast<uint32_t>(255.0f - f * 255.0f) << 24;
    for (auto* sprite : {&mOuter, &mInner}) {
        const float size = (sprite == &mOuter ? kOuter : kInner) * (1.0f - f);
        sprite->SetSize(size, size);
        sprite->SetPosition(icon->CentreX(), icon->CentreY());
        sprite->SetColour(alpha | 0xFFFFFFu);
        sprite->Draw();
    }
    return true;
}
