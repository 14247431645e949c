#include "gui/ScreenLayout.h"

#include <memory>

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "gui/GUIButtonList.h"
#include "gui/GUI_ButtonText.h"
#include "gui/PanelFrame.h"

namespace {
constexpr int kButtonWidth = 250;
constexpr int kButtonInset = 32;
constexpr int kButtonTop = 32;     // above the bottom edge
constexpr int kButtonBottom = 10;  // above the bottom edge
constexpr float kTitleTop = 20.0f;
constexpr const char* kTitleFont = "arialbold20.dds";
}  // namespace

GRect ScreenLayout::CentredPanel(int width, int height)
{
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    return GRect{w / 2 - width / 2, h / 2 - height / 2, w / 2 - width / 2 + width, h / 2 - height / 2 + height};
}

GRect ScreenLayout::BackButtonRect()
{
    const int h = static_cast<int>(g_ScreenHeight);
    return GRect{kButtonInset, h - kButtonTop, kButtonInset + kButtonWidth, h - kButtonBottom};
}

GRect ScreenLayout::ForwardButtonRect()
{
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    return GRect{w - kButtonInset - kButtonWidth, h - kButtonTop, w - kButtonInset, h - kButtonBottom};
}

void ScreenLayout::DrawBackground(SmartTexture& picture)
{
    D3DEngine& engine = GetD3DEngine();
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    // The picture fills the top three quarters of its texture.
    engine.DrawBackground(picture, 1.0f, 0.75f);
    engine.FillRect(GRect{0, 0, w, kBandHeight}, 0xFF000000u);
    engine.FillRect(GRect{0, h - kBandHeight, w, h}, 0xFF000000u);
}

void ScreenLayout::DrawPanel(const GRect& panel)
{
    PanelFrame::DrawFrame("dialog_rounded.dds", panel.left, panel.top, panel.right, panel.bottom, kPanelCorner, 1.0f);
}

void ScreenLayout::DrawTitle(const std::string& text)
{
    FontManager& fonts = GetFontManager();
    if (!fonts.FindFont(kTitleFont))
        return;
    fonts.SelectFont(kTitleFont, 20.0f);
    fonts.DrawText(text, 0.0f, kTitleTop, 0xFFFFFFFFu, g_ScreenWidth, FontManager::kAlignCentre);
    fonts.Flush();
}

GUI_ButtonText* ScreenLayout::AddButton(GUIButtonList& list, const std::string& name, const std::string& captionKey,
                                        const std::string& tooltipKey, const GRect& rect,
                                        GUI_ButtonBase::Callback action, bool fadeFirst)
{
    auto button = std::make_unique<GUI_ButtonText>(name, captionKey);
    button->SetRect(static_cast<float>(rect.left), static_cast<float>(rect.top), static_cast<float>(rect.right),
                    static_cast<float>(rect.bottom));
    if (!tooltipKey.empty())
        button->SetTooltip(tooltipKey);
    button->SetCallback(std::move(action));
    button->FadeFirst = fadeFirst;
    return list.Add(std::move(button));
}
