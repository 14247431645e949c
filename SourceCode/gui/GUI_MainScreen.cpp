#include "gui/GUI_MainScreen.h"

#include <algorithm>
#include <cmath>

#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/FontManager.h"
#include "gui/GUIPolicyDetails.h"
#include "gui/GUISlider.h"
#include "gui/GUI_CommandDispatcher.h"
#include "gui/GUI_Highlighter.h"
#include "gui/GUI_IconConnectors.h"
#include "gui/GUI_IconNetwork.h"
#include "gui/GUI_PeopleStrip.h"
#include "gui/GUI_PolicyIcon.h"
#include "gui/GUI_QuitDialog.h"
#include "gui/GUI_RightClickMenu.h"
#include "gui/GUI_SectorLayout.h"
#include "gui/GUI_SimValIcon.h"
#include "gui/GUI_SituationIcon.h"
#include "gui/GUI_TopStrip.h"
#include "gui/ScreenBackdrop.h"
#include "gui/WindowDirectory.h"
#include "gui/WindowManager.h"
#include "platform/Clock.h"
#include "platform/ScanCodes.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"
#include "sim/SIM_Policy.h"
#include "sim/SIM_PolicyGroup.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_SimVal.h"
#include "sim/SIM_Situation.h"

namespace {
constexpr float kSectorWidth = 360.0f / SIM_PolicyGroup::kGroupCount;
constexpr float kDegreesToRadians = 0.01745329238474369f;

template <typename T>
T* FindWindowOf()
{
    for (GUI_WindowBase* window : GetWindowManager().Windows())
        if (auto* found = dynamic_cast<T*>(window))
            return found;
    return nullptr;
}

uint32_t Now() { return Clock::System().Milliseconds(); }
}  // namespace

GUI_MainScreen& GetMainScreen()
{
    static GUI_MainScreen screen;
    return screen;
}

GUI_MainScreen::GUI_MainScreen() = default;
GUI_MainScreen::~GUI_MainScreen() = default;

void GUI_MainScreen::EnsureWindows()
{
    WindowManager& windows = GetWindowManager();
    if (!TopStrip()) {
        auto* strip = new GUI_TopStrip();
        windows.Register(strip);
    }
    if (!RightClickMenu())
        windows.Register(new GUI_RightClickMenu());
    TopStrip()->Layout(g_ScreenWidth);
}

GUI_TopStrip* GUI_MainScreen::TopStrip() const { return FindWindowOf<GUI_TopStrip>(); }
GUI_RightClickMenu* GUI_MainScreen::RightClickMenu() const { return FindWindowOf<GUI_RightClickMenu>(); }

void GUI_MainScreen::Activate()
{
    EnsureWindows();
    CInput& input = GetInput();
    input.OpenRightClickMenu = [this](float x, float y) { OpenRightClickMenu(x, y); };
    input.CloseRightClickMenu = [this]() { CloseRightClickMenu(); };
    SyncVoterIcons();
    RebuildConnectors();
}

void GUI_MainScreen::Update()
{
    for (const auto& button : mButtons)
        if (auto* icon = dynamic_cast<GUI_IconBase*>(button.get()))
            icon->Visible = !GetIconNetwork().Hidden(*icon);
}

void GUI_MainScreen::OpenRightClickMenu(float x, float y)
{
    WindowManager& windows = GetWindowManager();
    if (windows.AnyModalOpen() || windows.AnyFullScreenOpen())
        return;
    EnsureWindows();
    RightClickMenu()->Open(x, y, g_ScreenWidth, g_ScreenHeight);
    windows.BringToFront(RightClickMenu());
}

void GUI_MainScreen::CloseRightClickMenu()
{
    if (GUI_RightClickMenu* menu = RightClickMenu())
        menu->Close();
}

// ---------------------------------------------------------------------------
// Icons

void GUI_MainScreen::AddIcon(SIM_PolicyGroup* group, Neuron* neuron)
{
    if (!neuron || GUI_IconBase::Find(neuron))
        return;
    GUI_IconBase* icon = nullptr;
    switch (neuron->GetType()) {
    case NEURON_SIMVAL: icon = new GUI_SimValIcon(static_cast<SIM_SimVal*>(neuron)); break;
    case NEURON_SITUATION: icon = new GUI_SituationIcon(static_cast<SIM_Situation*>(neuron)); break;
    case NEURON_POLICY: icon = new GUI_PolicyIcon(static_cast<SIM_Policy*>(neuron)); break;
    default: return;
    }
    PlaceIcon(icon, group);
    AddButton(icon);
    RebuildConnectors();
}

void GUI_MainScreen::PlaceIcon(GUI_IconBase* icon, const SIM_PolicyGroup* group)
{
    const float angle = group ? group->Angle() : 0.0f;
    float start = angle - kSectorWidth / 2;
    if (start < 0.0f)
        start += 360.0f;
    float end = start + kSectorWidth;
    if (end >= 360.0f)
        end -= 360.0f;
    std::vector<GUI_SectorLayout::Point> taken;
    for (const GUI_IconBase* other : GUI_IconBase::All())
        if (other != icon && other->GetKind() != GUI_IconBase::KIND_VOTER)
            taken.push_back({other->CentreX(), other->CentreY()});
    const GUI_SectorLayout layout(g_ScreenWidth, g_ScreenHeight);
    const GUI_SectorLayout::Point p = layout.Place(start, end, taken);
    icon->SetCentre(p.x, p.y);
}

void GUI_MainScreen::RemoveIcon(Neuron* neuron)
{
    GUI_IconBase* icon = GUI_IconBase::Find(neuron);
    if (!icon)
        return;
    mButtons.erase(std::remove_if(mButtons.begin(), mButtons.end(),
                                  [icon](const std::unique_ptr<GUI_ButtonBase>& b) { return b.get() == icon; }),
                   mButtons.end());
    // While the network is torn down, the other icons' neurons may be gone already.
    if (IsRunning())
        RebuildConnectors();
}

void GUI_MainScreen::ClearIcons()
{
    DeleteButtons();
    mHighlighters.clear();
    mSlots.Layout(g_ScreenWidth, g_ScreenHeight);
}

void GUI_MainScreen::RefreshIcons()
{
    SyncVoterIcons();
    RebuildConnectors();
}

void GUI_MainScreen::SyncVoterIcons()
{
    if (mSlots.Slots()[0].x == 0 && mSlots.Used() == 0)
        mSlots.Layout(g_ScreenWidth, g_ScreenHeight);
    for (SIM_VoterType* group : SIM_VoterManager::Get().VoterTypes()) {
        if (!group || group->GetName() == SIM_VoterType::kAllGroupName || GUI_IconBase::Find(group))
            continue;
        int x = 0, y = 0;
        if (!mSlots.Take(x, y)) {
            DebugLog::Write("Failed to find a position for icon: " + group->GetName());
            continue;
        }
        auto* icon = new GUI_PeopleStrip(group);
        icon->SetRect(static_cast<float>(x), static_cast<float>(y),
                      static_cast<float>(x + GUI_PeopleStripSlots::kIconWidth),
                      static_cast<float>(y + GUI_PeopleStripSlots::kIconHeight));
        AddButton(icon);
    }
}

void GUI_MainScreen::RebuildConnectors()
{
    for (GUI_IconBase* icon : GUI_IconBase::All())
        icon->Connectors().Rebuild();
}

void GUI_MainScreen::AddHighlighter(const std::string& neuronName, uint32_t durationMs)
{
    mHighlighters.push_back(std::make_unique<GUI_Highlighter>(neuronName, Now(), durationMs));
}

// ---------------------------------------------------------------------------
// Drawing

void GUI_MainScreen::DrawGroupLabels()
{
    FontManager& fonts = GetFontManager();
    if (!fonts.FindFont("verdanabold16.dds"))
        return;
    // Faint, behind the icons: they name the areas without competing with the captions.
    fonts.SelectFont("verdanabold16.dds", 16.0f);
    const float w = g_ScreenWidth, h = g_ScreenHeight;
    const uint32_t alpha = static_cast<uint32_t>(GetIconNetwork().Brightness() * 90.0f) << 24;
    for (int i = 0; i < SIM_PolicyGroup::kGroupCount; ++i) {
        const SIM_PolicyGroup* group = GetPolicyManager().Group(i);
        if (!group)
            continue;
        const float g = group->Angle() * kDegreesToRadians;
        const float radius = h / 3 - 16;
        const float x = w / 2 + std::sin(g) * radius;
        const float y = h / 2 - std::cos(g) * radius;
        fonts.DrawText(group->Caption(), x - 112.0f, y - 8.0f, alpha | 0xC8D8E8u, 224.0f, FontManager::kAlignCentre);
    }
    fonts.Flush();
}

void GUI_MainScreen::DrawNetwork()
{
    GUI_IconNetwork& network = GetIconNetwork();
    network.BeginFrame();
    std::vector<GUI_IconBase*> icons;
    for (const auto& button : mButtons)
        if (auto* icon = dynamic_cast<GUI_IconBase*>(button.get()))
            icons.push_back(icon);
    for (GUI_IconBase* icon : icons)
        icon->ResetHighlight();
    for (GUI_IconBase* icon : icons)
        icon->UpdateHover();
    const uint32_t now = Now();
    if (network.ConnectorsAllowed())
        for (GUI_IconBase* icon : icons)
            icon->Connectors().Draw(now);
    for (GUI_IconBase* icon : icons)
        icon->Draw();
    GetFontManager().Flush();
    for (GUI_IconBase* icon : icons)
        icon->DrawTooltip();
    network.EndFrame();
}

void GUI_MainScreen::Render()
{
    WindowManager& windows = GetWindowManager();
    if (windows.AnyFullScreenOpen()) {
        windows.DrawOverlays();
        return;
    }
    D3DEngine& engine = GetD3DEngine();
    const float brightness = GetIconNetwork().Brightness();
    ScreenBackdrop::Draw();
    if (brightness < 1.0f) {
        const uint32_t shade = static_cast<uint32_t>((1.0f - brightness) * 200.0f) << 24;
        engine.FillRect(GRect{0, 0, static_cast<int>(g_ScreenWidth), static_cast<int>(g_ScreenHeight)}, shade);
    }
    const uint32_t now = Now();
    mHighlighters.erase(std::remove_if(mHighlighters.begin(), mHighlighters.end(),
                                       [now](const std::unique_ptr<GUI_Highlighter>& h) { return !h->Draw(now); }),
                        mHighlighters.end());
    DrawGroupLabels();
    DrawNetwork();
    windows.DrawWindows();
    windows.DrawOverlays();
}

// ---------------------------------------------------------------------------
// Input

bool GUI_MainScreen::OnClick(float x, float y)
{
    GUI_RightClickMenu* menu = RightClickMenu();
    if (menu && menu->Visible) {
        const bool taken = menu->OnLeftClick(x, y);
        menu->Close();
        if (taken)
            return true;
    }
    if (GetWindowManager().OnLeftClick())
        return true;
    return ClickButtons();
}

void GUI_MainScreen::OnKey(int scanCode)
{
    WindowManager& windows = GetWindowManager();
    GUI_CommandDispatcher& commands = GetCommandDispatcher();
    switch (scanCode) {
    case ScanCode::Escape:
        if (!windows.CloseOnEscape())
            GUI_QuitDialog::Open();
        break;
    case ScanCode::F1: commands.Run("Polls"); break;
    case ScanCode::F1 + 1: commands.Run(GUI_CommandDispatcher::kPolicyPicker); break;
    case ScanCode::F1 + 2: commands.Run("Finance"); break;
    case ScanCode::F6: commands.Run(GUI_CommandDispatcher::kNextTurn); break;
    case ScanCode::Left:
    case ScanCode::Right:
        if (GUIPolicyDetails* details = GUIPolicyDetails::Current())
            details->Slider()->Nudge(scanCode == ScanCode::Left ? -1 : 1);
        break;
    default:
        // The other windows' letter keys, while nothing modal stands.
        if (!windows.AnyModalOpen())
            WindowDirectory::OpenByKey(scanCode);
        break;
    }
}
