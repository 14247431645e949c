#include "gui/GUI_NeuronDetails.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/ScreenFader.h"
#include "gamedata/Localisation.h"
#include "gui/WindowManager.h"
#include "politics/SIM_VoterType.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/SIM_SimVal.h"
#include "sim/SIM_Situation.h"

namespace {
constexpr float kWidth = 720.0f;
constexpr float kHeight = 440.0f;
constexpr int kShownInfluences = 12;

// A bar from the middle: green to the right for help, red to the left for harm.
void DrawStrength(float x, float y, float v)
{
    constexpr float kHalf = 50.0f;
    constexpr float kFullScale = 0.25f;
    D3DEngine& engine = GetD3DEngine();
    const int mid = static_cast<int>(x + kHalf);
    const int length = static_cast<int>(std::min(std::fabs(v) / kFullScale, 1.0f) * kHalf);
    const int top = static_cast<int>(y), bottom = static_cast<int>(y + 10);
    engine.FillRect(GRect{static_cast<int>(x), top, static_cast<int>(x + 2 * kHalf), bottom}, 0x60000000u);
    if (v < 0.0f)
        engine.FillRect(GRect{mid - length, top, mid, bottom}, 0xFFE04040u);
    else
        engine.FillRect(GRect{mid, top, mid + length, bottom}, 0xFF40D040u);
    engine.FillRect(GRect{mid, top - 2, mid + 1, bottom + 2}, 0xFFD4D4D4u);
}

std::string NameOf(const Neuron* neuron)
{
    return neuron->GetDisplayName().empty() ? neuron->GetName() : neuron->GetDisplayName();
}
}  // namespace

std::vector<NeuralEffect*> GUI_NeuronDetails::InfluencesByStrength(const Neuron& neuron)
{
    std::vector<NeuralEffect*> effects = neuron.Incoming();
    std::stable_sort(effects.begin(), effects.end(), [](const NeuralEffect* a, const NeuralEffect* b) {
        return std::fabs(a->GetOutput()) > std::fabs(b->GetOutput());
    });
    return effects;
}

void GUI_NeuronDetails::OpenAfterFade(const Neuron* neuron)
{
    if (!neuron)
        return;
    const std::string name = neuron->GetName();
    GetScreenFader().FadeOutThen([name](int) {
        if (Neuron* found = Neuron::FindNeuronQuietly(name))
            Open(found);
        GetScreenFader().Start(ScreenFader::kFromBlack);
    }, 0);
}

GUI_NeuronDetails* GUI_NeuronDetails::Open(Neuron* neuron)
{
    WindowManager& windows = GetWindowManager();
    if (const GUI_WindowBase* old = windows.FindWindow(kName))
        windows.Close(const_cast<GUI_WindowBase*>(old));
    return new GUI_NeuronDetails(neuron);
}

GUI_NeuronDetails::GUI_NeuronDetails(Neuron* neuron) : GUI_Dialog(kName, true), mNeuron(neuron)
{
    Title = NameOf(neuron);
    SetRect(0.0f, 0.0f, kWidth, kHeight);
    CentreOnScreen();
    SetRect(static_cast<float>(mRect.left), static_cast<float>(mRect.top), static_cast<float>(mRect.right),
            static_cast<float>(mRect.bottom));
    GetWindowManager().SetModal(this, true);
    GUI_HistoryGraph::Series series;
    for (int i = Neuron::kHistorySize - 1; i >= 0; --i)
        series.oldestFirst.push_back(neuron->History(i));
    series.colour = 0xFF7FC4FFu;
    float low = 0.0f, high = 1.0f;
    if (const auto* value = dynamic_cast<const SIM_SimVal*>(neuron)) {
        low = value->GraphMinimum();
        high = value->GraphMaximum();
    } else if (dynamic_cast<const SIM_VoterType*>(neuron)) {
        low = -1.0f;
    }
    mGraph.SetRange(low, high);
    mGraph.SetSeries({series});
    mGraph.SetRect(mContent.left + 10.0f, mContent.top + 10.0f, mContent.left + 340.0f, mContent.top + 190.0f);
}

std::string GUI_NeuronDetails::Encyclopedia() const
{
    if (const auto* value = dynamic_cast<const SIM_SimVal*>(mNeuron))
        return value->Description();
    if (const auto* situation = dynamic_cast<const SIM_Situation*>(mNeuron))
        return situation->Description();
    if (const auto* group = dynamic_cast<const SIM_VoterType*>(mNeuron))
        return group->Description;
    return "";
}

void GUI_NeuronDetails::Draw()
{
    if (!Visible)
        return;
    GUI_Dialog::Draw();
    FontManager& fonts = GetFontManager();
    if (!fonts.FindFont("arial16.dds") || !fonts.FindFont("arialbold16.dds"))
        return;
    fonts.SelectFont("arialbold16.dds", 16.0f);
    fonts.DrawText(translate("GUI_DETAILS_HISTORY"), mContent.left + 10.0f, mContent.top + 10.0f, 0xFFFFE08Au);
    fonts.Flush();
    mGraph.SetRect(mContent.left + 10.0f, mContent.top + 36.0f, mContent.left + 340.0f, mContent.top + 196.0f);
    mGraph.Draw();
    fonts.SelectFont("arial16.dds", 16.0f);
    fonts.DrawWrapped(Encyclopedia(), mContent.left + 10.0f, mContent.top + 210.0f, 330.0f, 0xFFFFFFFFu);
    const float x = mContent.left + 370.0f;
    float y = mContent.top + 10.0f;
    fonts.SelectFont("arialbold16.dds", 16.0f);
    fonts.DrawText(translate("GUI_DETAILS_INFLUENCES"), x, y, 0xFFFFE08Au);
    y += 26.0f;
    fonts.SelectFont("arial16.dds", 16.0f);
    int shown = 0;
    for (const NeuralEffect* effect : InfluencesByStrength(*mNeuron)) {
        if (shown++ == kShownInfluences)
            break;
        const float v = effect->GetOutput();
        fonts.DrawText(NameOf(effect->GetSource()), x, y, 0xFFFFFFFFu, 200.0f);
        DrawStrength(x + 210.0f, y + 4.0f, v);
        y += 22.0f;
    }
    if (shown == 0)
        fonts.DrawText(translate("GUI_DETAILS_NO_INFLUENCES"), x, y, 0xFFB0B0B0u);
    fonts.Flush();
}
