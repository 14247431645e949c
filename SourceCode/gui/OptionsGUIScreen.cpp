#include "gui/OptionsGUIScreen.h"

#include "engine/D3DEngine.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ScreenFader.h"
#include "gamedata/Localisation.h"
#include "gamedata/Options.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_SliderControl.h"
#include "gui/ScreenLayout.h"
#include "platform/ScanCodes.h"
#include "sound/GUI_Sounds.h"

namespace {
// The sliders in row order: option key and label.
struct SliderRow {
    const char* option;
    const char* label;
};
constexpr SliderRow kSliderRows[] = {
    {"MUSIC", "Music Volume"},   {"GLOBALECONOMY", "Global Economic Volatility"},
    {"INTERESTRATE", "Interest Rate"}, {"DIFFICULTY", "Difficulty"},
    {"CYNICISM", "Cynicism"},
};
}  // namespace

OptionsGUIScreen& GetOptionsGUIScreen()
{
    static OptionsGUIScreen screen;
    return screen;
}

GUI_CheckButton* OptionsGUIScreen::AddCheck(const char* name, const char* captionKey, const char* tooltipKey, int row)
{
    auto check = std::make_unique<GUI_CheckButton>(name, captionKey);
    // The box is 32 pixels: the row's 22 pixels grow to hold it, centred on the slider track.
    const float top = static_cast<float>(RowTop(row)) - 5.0f;
    check->SetRect(mPanel.right - 320.0f, top, mPanel.right - 64.0f, top + 32.0f);
    check->SetTooltip(tooltipKey);
    return Add(std::move(check));
}

void OptionsGUIScreen::AddOptionCheck(const char* name, const char* option, const char* captionKey,
                                      const char* tooltipKey, int row)
{
    GUI_CheckButton* check = AddCheck(name, captionKey, tooltipKey, row);
    check->Ticked = Options::Get().GetFloat(option) == 1.0f;
    // The box shows what the option store now holds: an option the file does not list stays unticked.
    check->SetCallback([check, option](int) { check->Ticked = Options::Get().Toggle(option); });
}

void OptionsGUIScreen::Activate()
{
    mModalWindowsOnly = true;
    mPanel = ScreenLayout::CentredPanel(720, 340);
    DeleteButtons();
    mSliders.clear();

    ScreenLayout::AddButton(*this, "OptionsMainMenu", "MAIN_MENU", "TOOLTIP_MAINMENU",
                            ScreenLayout::ForwardButtonRect(), [](int) { GetGame().SetState(STATE_MENU); }, true);

    for (size_t r = 0; r < std::size(kSliderRows); ++r) {
        GUI_ButtonBase::Callback callback;
        if (r == 0)
            callback = [](int) { GetSounds().RefreshMusicVolume(); };
        auto slider = std::make_unique<GUI_SliderControl>(kSliderRows[r].option, kSliderRows[r].label, callback);
        const float top = static_cast<float>(RowTop(static_cast<int>(r)));
        slider->SetRect(mPanel.left + 50.0f, top, mPanel.left + 250.0f, top + kRowHeight);
        mSliders.push_back(std::move(slider));
    }

    GUI_CheckButton* fullScreen = AddCheck("OptionFullScreen", "OPTION_FULLSCREEN", "TOOLTIP_OPTION_FULLSCREEN", 0);
    // The display may refuse a mode: the box shows the mode it really runs in.
    fullScreen->Ticked = !GetD3DEngine().IsWindowed();
    fullScreen->SetCallback([fullScreen](int) {
        GetGame().ToggleDisplayMode();
        fullScreen->Ticked = !GetD3DEngine().IsWindowed();
    });
    AddOptionCheck("OptionDilemmas", "ENABLEDILEMMAS", "OPTION_ENABLEDILEMMAS", "TOOLTIP_ENABLEDILEMMAS", 1);
    AddOptionCheck("OptionRestrictPowers", "ENABLERESTRICTPOWER", "OPTION_ENABLERESTRICTPOWERS",
                   "TOOLTIP_RESTRICTPOWERS", 2);
    AddOptionCheck("OptionManifesto", "ENABLEMANIFESTO", "OPTION_ENABLEMANIFESTO", "TOOLTIP_ENABLEMANIFESTO", 3);
    AddOptionCheck("OptionAutosave", "AUTOSAVE", "OPTION_ENABLEAUTOSAVE", "TOOLTIP_ENABLEAUTOSAVE", 4);

    GetScreenFader().Start(ScreenFader::kFromBlack);
}

void OptionsGUIScreen::Render()
{
    ScreenLayout::DrawBackground(mBackground);
    ScreenLayout::DrawPanel(mPanel);
    ScreenLayout::DrawTitle(translate("OPTIONS_TITLE"));
    // Each slider follows the held mouse while it draws.
    for (auto& slider : mSliders)
        slider->Draw();
    DrawButtonsAndWindows();
}

void OptionsGUIScreen::OnKey(int scanCode)
{
    if (scanCode == ScanCode::Escape)
        GetGame().SetState(STATE_MENU);
}
