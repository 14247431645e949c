#include "gui/GUI_SaveGameScreen.h"

#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ScreenFader.h"
#include "gamedata/Localisation.h"
#include "gamedata/SaveGames.h"
#include "gui/GUI_ConfirmDialog.h"
#include "gui/GUI_MessageDialog.h"
#include "gui/ScreenLayout.h"
#include "gui/TypedKeys.h"
#include "gui/WindowManager.h"
#include "platform/PlatformFiles.h"
#include "platform/ScanCodes.h"
#include "sound/GUI_Sounds.h"

namespace {
constexpr const char* kNameFont = "arialbold20.dds";
constexpr float kNameSize = 20.0f;
constexpr int kPanelWidth = 640;
constexpr int kPanelHeight = 184;
constexpr int kInset = 40;
constexpr int kFieldTop = 110;  // from the panel's top
constexpr int kFieldHeight = 34;

void BackToMenu(int) { GetGame().SetState(STATE_MENU); }
}  // namespace

GUI_SaveGameScreen& GetSaveGameScreen()
{
    static GUI_SaveGameScreen screen;
    return screen;
}

void GUI_SaveGameScreen::Activate()
{
    mModalWindowsOnly = true;
    mField.SetText(translate("SAVEGAME_DEFAULT"));
    mPanel = ScreenLayout::CentredPanel(kPanelWidth, kPanelHeight);
    mNameRect = GRect{mPanel.left + kInset, mPanel.top + kFieldTop, mPanel.right - kInset,
                      mPanel.top + kFieldTop + kFieldHeight};
    DeleteButtons();
    ScreenLayout::AddButton(*this, "Back", "MAIN_MENU", "TOOLTIP_MAINMENU", ScreenLayout::BackButtonRect(),
                            BackToMenu, true);
    ScreenLayout::AddButton(*this, "SaveGameButton", "SAVE_GAME", "TOOLTIP_SAVE_GAME",
                            ScreenLayout::ForwardButtonRect(), [](int) { GetSaveGameScreen().RequestSave(); },
                            false);
    mCaretTimer.Start();
    GetScreenFader().Start(ScreenFader::kFromBlack);
}

void GUI_SaveGameScreen::RequestSave()
{
    const std::string name = mField.Text();
    const std::string problem = mField.Problem();
    if (!problem.empty()) {
        new GUI_MessageDialog("SaveNameRefusedDialog", translate("SAVEGAME_REFUSED_TITLE"), problem);
        return;
    }
    auto save = [name]() { GetScreenFader().FadeOutThen([name](int) { SaveNow(name); }, 0); };
    if (PlatformFiles::IsFile(SaveGames::PathOf(name))) {
        const std::string question = ReplaceTokens(translate("SAVEGAME_OVERWRITE_TEXT"), {{"NAME", name}});
        new GUI_ConfirmDialog("OverwriteSaveDialog", translate("SAVEGAME_OVERWRITE_TITLE"), question,
                              "SAVEGAME_OVERWRITE_OK", save);
        return;
    }
    save();
}

void GUI_SaveGameScreen::SaveNow(const std::string& name)
{
    const SaveResult result = SaveGames::Save(name);
    if (result.ok) {
        GetGame().EnterMainScreen();
        return;
    }
    // The running game is untouched: the player may try another name or go back.
    GetScreenFader().Start(ScreenFader::kFromBlack);
    new GUI_MessageDialog("SaveFailedDialog", translate("SAVEGAME_FAILED_TITLE"), result.message);
}

void GUI_SaveGameScreen::Update()
{
    GUI_Screen::Update();
    mCaretTimer.Update();
}

void GUI_SaveGameScreen::OnKey(int scanCode)
{
    WindowManager& windows = GetWindowManager();
    if (scanCode == ScanCode::Escape) {
        if (!windows.CloseTopDialogIfOpen())
            GetGame().SetState(STATE_MENU);
        return;
    }
    // Keys belong to an open dialog, not to the field behind it.
    if (windows.AnyModalOpen())
        return;
    if (scanCode == ScanCode::Return) {
        RequestSave();
        return;
    }
    TypeKey(scanCode);
}

void GUI_SaveGameScreen::TypeKey(int scanCode)
{
    if (scanCode == ScanCode::Backspace) {
        if (mField.Backspace())
            GetSounds().PlayClick();
        return;
    }
    const char c = TypedKeys::CharacterFor(scanCode, GetInput().IsShiftDown());
    if (!mField.Accepts(c))
        return;
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont(kNameFont)) {
        fonts.SelectFont(kNameFont, kNameSize);
        // The name must fit its field, with room for the caret.
        if (fonts.TextWidth(mField.Text() + c) >= mNameRect.Width() - 24)
            return;
    }
    mField.Type(c);
    GetSounds().PlayClick();
}

void GUI_SaveGameScreen::Render()
{
    D3DEngine& engine = GetD3DEngine();
    ScreenLayout::DrawBackground(mBackground);
    ScreenLayout::DrawPanel(mPanel);
    ScreenLayout::DrawTitle(translate("SAVEGAME_TITLE"));
    engine.FillRect(mNameRect, 0xFF080808u);
    engine.DrawRect(mNameRect, 0x80FFFFFFu);
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont(kNameFont) && fonts.FindFont("arial16.dds")) {
        fonts.SelectFont("arial16.dds", 16.0f);
        fonts.DrawWrapped(translate("SAVEGAME_INSTRUCTIONS"), mPanel.left + static_cast<float>(kInset),
                          mPanel.top + 30.0f, static_cast<float>(mPanel.Width() - 2 * kInset), 0xFFD8DEE6u);
        fonts.DrawText(translate("SAVEGAME_NAME_LABEL"), static_cast<float>(mNameRect.left),
                       mNameRect.top - 22.0f, 0xFFD8DEE6u);
        fonts.SelectFont(kNameFont, kNameSize);
        std::string shown = mField.Text();
        // The caret blinks twice a second.
        if (static_cast<long>(mCaretTimer.Elapsed() / 500.0) % 2 == 0)
            shown += "_";
        fonts.DrawText(shown, mNameRect.left + 8.0f, mNameRect.top + 6.0f, 0xFFFFFFFFu);
        fonts.Flush();
    }
    DrawButtonsAndWindows();
}
