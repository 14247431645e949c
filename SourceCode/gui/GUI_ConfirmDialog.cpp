#include "gui/GUI_ConfirmDialog.h"

#include "engine/FontManager.h"
#include "gui/GUI_ButtonText.h"
#include "gui/WindowManager.h"

namespace {
constexpr float kWidth = 460.0f;
constexpr float kTextInset = 24.0f;
constexpr float kTextTop = 60.0f;
constexpr float kButtonWidth = 150.0f;
constexpr float kButtonHeight = 24.0f;
constexpr const char* kFont = "arial16.dds";
}  // namespace

GUI_ConfirmDialog::GUI_ConfirmDialog(std::string name, const std::string& title, const std::string& message,
                                     const std::string& okCaptionKey, std::function<void()> onOk)
    : GUI_Dialog(std::move(name), false), mMessage(message)
{
    Title = title;
    float textHeight = 20.0f;
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont(kFont)) {
        fonts.SelectFont(kFont, 16.0f);
        textHeight = fonts.MeasureWrapped(mMessage, kWidth - 2 * kTextInset);
    }
    SetRect(0.0f, 0.0f, kWidth, kTextTop + textHeight + 70.0f);
    CentreOnScreen();
    const float left = static_cast<float>(mRect.left);
    const float bottom = static_cast<float>(mRect.bottom);
    const float centre = left + kWidth / 2.0f;

    auto* ok = new GUI_ButtonText(Name + "OK", okCaptionKey);
    ok->SetRect(centre - 20.0f - kButtonWidth, bottom - 44.0f, centre - 20.0f, bottom - 44.0f + kButtonHeight);
    // Closed first: what follows may open another dialog or change the screen.
    ok->SetCallback([this, onOk](int) {
        GetWindowManager().Close(this);
        if (onOk)
            onOk();
    });
    AddButton(ok);
    auto* cancel = new GUI_ButtonText(Name + "Cancel", "CANCEL");
    cancel->SetRect(centre + 20.0f, bottom - 44.0f, centre + 20.0f + kButtonWidth, bottom - 44.0f + kButtonHeight);
    cancel->SetCallback([this](int) { GetWindowManager().Close(this); });
    AddButton(cancel);
    GetWindowManager().SetModal(this, true);
}

void GUI_ConfirmDialog::Draw()
{
    if (!Visible)
        return;
    GUI_Dialog::Draw();
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont(kFont)) {
        fonts.SelectFont(kFont, 16.0f);
        fonts.DrawWrapped(mMessage, mRect.left + kTextInset, mRect.top + kTextTop, kWidth - 2 * kTextInset,
                          0xFFFFFFFFu);
        fonts.Flush();
    }
}
