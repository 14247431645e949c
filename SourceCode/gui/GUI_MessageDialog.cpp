#include "gui/GUI_MessageDialog.h"

#include "engine/FontManager.h"
#include "gui/WindowManager.h"

namespace {
constexpr float kWidth = 480.0f;
constexpr float kWrap = 460.0f;
constexpr const char* kFont = "arial16.dds";
}  // namespace

GUI_MessageDialog::GUI_MessageDialog(std::string name, const std::string& title, const std::string& message)
    : GUI_Dialog(std::move(name), true), mMessage(message)
{
    Title = title;
    float textHeight = 20.0f;
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont(kFont)) {
        fonts.SelectFont(kFont, 16.0f);
        textHeight = fonts.MeasureWrapped(mMessage, kWrap);
    }
    SetRect(0.0f, 0.0f, kWidth, textHeight + 100.0f);
    CentreOnScreen();
    SetRect(static_cast<float>(mRect.left), static_cast<float>(mRect.top), static_cast<float>(mRect.right),
            static_cast<float>(mRect.bottom));
    GetWindowManager().SetModal(this, true);
}

void GUI_MessageDialog::Draw()
{
    if (!Visible)
        return;
    GUI_Dialog::Draw();
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont(kFont)) {
        fonts.SelectFont(kFont, 16.0f);
        fonts.DrawWrapped(mMessage, mRect.left + 20.0f, mRect.top + 60.0f, mWidth - 40.0f, 0xFFFFFFFFu);
        fonts.Flush();
    }
}
