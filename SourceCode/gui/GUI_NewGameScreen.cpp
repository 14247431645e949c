#include "gui/GUI_NewGameScreen.h"

#include <cstdio>
#include <functional>

#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ScreenFader.h"
#include "gamedata/Localisation.h"
#include "gamedata/MissionList.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/UserFolders.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_SliderControl.h"
#include "gui/ScreenLayout.h"
#include "gui/TypedKeys.h"
#include "gui/WindowManager.h"
#include "platform/ScanCodes.h"
#include "politics/PartyNames.h"
#include "sound/GUI_Sounds.h"

namespace {
constexpr const char* kNameFont = "arialbold20.dds";
constexpr float kNameSize = 20.0f;
constexpr int kArrow = 32;
// Rows of the left column, from the panel's top: a label, then its control 24 pixels lower.
constexpr int kCountryRow = 30;
constexpr int kPlayerPartyRow = 110;
constexpr int kOppositionRow = 190;
constexpr int kTermRow = 270;
constexpr int kCurrencyRow = 350;
constexpr int kControlOffset = 24;
constexpr int kSliderFirst = 78;
constexpr int kSliderStep = 58;

void BackToChooser(int) { GetGame().SetState(STATE_CHOOSEGAME); }
}  // namespace

GUI_NewGameScreen& GetNewGameScreen()
{
    static GUI_NewGameScreen screen;
    return screen;
}

void GUI_NewGameScreen::Activate()
{
    mModalWindowsOnly = true;
    SIM_Mission& mission = SIM_Mission::Get();
    // Reached without a choice (a script, a tool): the first mission on offer.
    if (mission.FilePath().empty()) {
        const std::vector<MissionChoice> missions = MissionList::List(UserFolders::Get().UserFolder());
        if (!missions.empty()) {
            mission.SetFile(missions.front().path);
            mission.Load();
        }
    }
    // Every choice, the sliders included, comes from the mission chosen just now.
    mSetup.StartFrom(mission, NewGameSetup::ReadSliderRows(), PartyNames::Get().Names());
    mBackground.SetName(mission.Flag().empty() ? "loadscreen.jpg" : mission.Flag());
    mNameFocused = false;
    Layout();
    GetScreenFader().Start(ScreenFader::kFromBlack);
}

void GUI_NewGameScreen::AddArrows(const char* name, int top, std::function<void(int)> step)
{
    const float y = static_cast<float>(top);
    auto left = std::make_unique<GUI_IconButton>(std::string(name) + "Previous", "left.dds", "left_h.dds");
    left->SetRect(static_cast<float>(mLeft), y, static_cast<float>(mLeft + kArrow), y + kArrow);
    left->SetCallback([step](int) { step(-1); });
    Add(std::move(left));
    auto right = std::make_unique<GUI_IconButton>(std::string(name) + "Next", "right.dds", "right_h.dds");
    const float right0 = static_cast<float>(mLeft + mLeftWidth - kArrow);
    right->SetRect(right0, y, right0 + kArrow, y + kArrow);
    right->SetCallback([step](int) { step(1); });
    Add(std::move(right));
}

void GUI_NewGameScreen::Layout()
{
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    mPanel = GRect{100, 100, w - 100, h - 100};
    const int centre = (mPanel.left + mPanel.right) / 2;
    mLeft = mPanel.left + 40;
    mLeftWidth = centre - 30 - mLeft;
    mNameField = GRect{mLeft, mPanel.top + kCountryRow + kControlOffset, mLeft + mLeftWidth,
                       mPanel.top + kCountryRow + kControlOffset + kArrow};

    DeleteButtons();
    AddArrows("PlayerParty", mPanel.top + kPlayerPartyRow + kControlOffset,
              [this](int delta) { mSetup.StepPlayerParty(delta); });
    AddArrows("OppositionParty", mPanel.top + kOppositionRow + kControlOffset,
              [this](int delta) { mSetup.StepOppositionParty(delta); });
    AddArrows("TermLength", mPanel.top + kTermRow + kControlOffset,
              [this](int delta) { mSetup.StepTermYears(delta); });
    AddArrows("Currency", mPanel.top + kCurrencyRow + kControlOffset,
              [this](int delta) { mSetup.StepCurrency(delta); });

    ScreenLayout::AddButton(*this, "NewGameBack", "NEWGAME_MAINMENU", "NEWGAME_MAINMENU_TOOLTIP",
                            ScreenLayout::BackButtonRect(), BackToChooser, true);
    ScreenLayout::AddButton(*this, "StartGame", "NEWGAME_START", "NEWGAME_START_TOOLTIP",
                            ScreenLayout::ForwardButtonRect(), [](int) { GetNewGameScreen().StartGame(); }, true);

    mSliders.clear();
    const float sliderLeft = centre + 40.0f;
    const float sliderRight = mPanel.right - 40.0f;
    float top = static_cast<float>(mPanel.top + kSliderFirst);
    for (const NewGameSetup::Slider& row : mSetup.Sliders()) {
        auto slider = std::make_unique<GUI_SliderControl>(row.row.neuron, row.row.label);
        slider->SetRect(sliderLeft, top, sliderRight, top + 22.0f);
        slider->SetValue(row.value);
        mSliders.push_back(std::move(slider));
        top += kSliderStep;
    }
}

void GUI_NewGameScreen::StartGame()
{
    SIM_Mission& mission = SIM_Mission::Get();
    mSetup.Apply(mission);
    GetGame().StartNewGame(mission.FilePath());
}

void GUI_NewGameScreen::Update()
{
    GUI_Screen::Update();
    mCaretTimer.Update();
    for (size_t i = 0; i < mSliders.size(); ++i)
        mSetup.SetSliderValue(i, mSliders[i]->Value());
}

bool GUI_NewGameScreen::OnClick(float x, float y)
{
    const bool inField = x >= mNameField.left && x < mNameField.right && y >= mNameField.top && y < mNameField.bottom;
    if (inField && !mNameFocused)
        mCaretTimer.Start();
    mNameFocused = inField;
    return GUI_Screen::OnClick(x, y) || inField;
}

void GUI_NewGameScreen::OnKey(int scanCode)
{
    if (scanCode == ScanCode::Escape) {
        if (!GetWindowManager().CloseTopDialogIfOpen())
            GetGame().SetState(STATE_CHOOSEGAME);
        return;
    }
    if (scanCode == ScanCode::Return || !mNameFocused)
        return;
    TypeKey(scanCode);
}

void GUI_NewGameScreen::TypeKey(int scanCode)
{
    std::string name = mSetup.CountryName();
    if (scanCode == ScanCode::Backspace) {
        if (!name.empty()) {
            name.pop_back();
            mSetup.SetCountryName(name);
            GetSounds().PlayClick();
        }
        return;
    }
    const CInput& input = GetInput();
    const char c = TypedKeys::CharacterFor(scanCode, input.IsShiftDown());
    if (c == 0 || !TypedKeys::AllowedInName(c))
        return;
    FontManager& fonts = GetFontManager();
    if (!fonts.FindFont(kNameFont))
        return;
    fonts.SelectFont(kNameFont, kNameSize);
    // The name must fit its field, with room for the caret.
    if (fonts.TextWidth(name + c) >= mNameField.Width() - 16)
        return;
    mSetup.SetCountryName(name + c);
    GetSounds().PlayClick();
}

void GUI_NewGameScreen::DrawLabel(const std::string& text, int top) const
{
    FontManager& fonts = GetFontManager();
    fonts.SelectFont("arial16.dds", 16.0f);
    fonts.DrawText(text, static_cast<float>(mLeft), static_cast<float>(top), 0xFFD8DEE6u);
}

void GUI_NewGameScreen::DrawChoice(const std::string& text, int top) const
{
    FontManager& fonts = GetFontManager();
    fonts.SelectFont(kNameFont, kNameSize);
    fonts.DrawText(text, static_cast<float>(mLeft + kArrow), top + 5.0f, 0xFFFFFFFFu,
                   static_cast<float>(mLeftWidth - 2 * kArrow), FontManager::kAlignCentre);
}

void GUI_NewGameScreen::Render()
{
    D3DEngine& engine = GetD3DEngine();
    ScreenLayout::DrawBackground(mBackground);
    ScreenLayout::DrawPanel(mPanel);
    ScreenLayout::DrawTitle(translate("NEWGAME_TITLE"));

    const CInput& input = GetInput();
    const bool hover = input.MouseX >= mNameField.left && input.MouseX < mNameField.right &&
                       input.MouseY >= mNameField.top && input.MouseY < mNameField.bottom;
    engine.FillRect(mNameField, mNameFocused ? 0xFF080808u : (hover ? 0x80202020u : 0x80080808u));
    if (hover && !mNameFocused)
        engine.DrawRect(mNameField, 0x80FFFFFFu);

    FontManager& fonts = GetFontManager();
    if (fonts.FindFont(kNameFont) && fonts.FindFont("arial16.dds")) {
        DrawLabel(translate("NEWGAME_COUNTRYNAME"), mPanel.top + kCountryRow);
        fonts.SelectFont(kNameFont, kNameSize);
        std::string shown = mSetup.CountryName();
        // A caret blinks twice a second while the field has focus.
        if (mNameFocused && static_cast<long>(mCaretTimer.Elapsed() / 500.0) % 2 == 0)
            shown += "_";
        fonts.DrawText(shown, mNameField.left + 8.0f, mNameField.top + 5.0f, 0xFFFFFFFFu);

        DrawLabel(translate("NEWGAME_PLAYERSPARTYNAME"), mPanel.top + kPlayerPartyRow);
        DrawChoice(mSetup.PlayerParty(), mPanel.top + kPlayerPartyRow + kControlOffset);
        DrawLabel(translate("NEWGAME_OPPOSITIONPARTYNAME"), mPanel.top + kOppositionRow);
        DrawChoice(mSetup.OppositionParty(), mPanel.top + kOppositionRow + kControlOffset);
        DrawLabel(translate("NEWGAME_TERMLENGTH"), mPanel.top + kTermRow);
        char term[64];
        std::snprintf(term, sizeof term, "%d %s", mSetup.TermYears(), translate("NEWGAME_YEARS").c_str());
        DrawChoice(term, mPanel.top + kTermRow + kControlOffset);
        DrawLabel(translate("NEWGAME_CURRENCY"), mPanel.top + kCurrencyRow);
        DrawChoice(mSetup.Currency(), mPanel.top + kCurrencyRow + kControlOffset);

        fonts.SelectFont(kNameFont, kNameSize);
        const int centre = (mPanel.left + mPanel.right) / 2;
        fonts.DrawText(translate("NEWGAME_ADVANCED"), centre + 40.0f, mPanel.top + 30.0f, 0xFFFFFFFFu);
        fonts.Flush();
    }
    const int centre = (mPanel.left + mPanel.right) / 2;
    engine.FillRect(GRect{centre, mPanel.top + 30, centre + 1, mPanel.bottom - 30}, 0x60FFFFFFu);
    for (auto& slider : mSliders)
        slider->Draw();
    DrawButtonsAndWindows();
}
