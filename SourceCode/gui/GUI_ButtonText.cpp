#include "gui/GUI_ButtonText.h"

#include "engine/FontManager.h"
#include "gamedata/Localisation.h"
#include "gui/PanelFrame.h"

namespace {
constexpr const char* kFont = "verdanabold16.dds";
constexpr float kFontSize = 16.0f;
}  // namespace

GUI_ButtonText::GUI_ButtonText(std::string name, const std::string& captionKey)
    : GUI_ButtonBase(std::move(name)), mCaption(translate(captionKey))
{
}

void GUI_ButtonText::Draw()
{
    const bool hot = Hovered && Enabled;
    PanelFrame::DrawFrame(hot ? "button_h.dds" : "button.dds", mRect.left, mRect.top, mRect.right, mRect.bottom, 9,
                          Enabled ? 1.0f : 0.5f);
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont(kFont)) {
        fonts.SelectFont(kFont, kFontSize);
        const uint32_t alpha = Enabled ? 0xFF000000u : 0x40000000u;
        const uint32_t colour = alpha | (hot ? 0x191919u : 0xFFFFFFu);
        // Centred in the panel; the glyph cells carry a little space above the letters.
        const float y = static_cast<float>(mRect.top) + (static_cast<float>(mHeight) - kFontSize) / 2.0f - 2.0f;
        fonts.DrawText(mCaption, static_cast<float>(mRect.left), y, colour, static_cast<float>(mWidth),
                       FontManager::kAlignCentre);
    }
    GUI_ButtonBase::Draw();
}
