#include "gui/GUI_LoadGameScreen.h"

#include <algorithm>
#include <memory>

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ScreenFader.h"
#include "gamedata/Localisation.h"
#include "gamedata/SaveGames.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_ConfirmDialog.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MessageDialog.h"
#include "gui/ScreenLayout.h"
#include "gui/WindowManager.h"
#include "platform/ScanCodes.h"

namespace {
constexpr int kRowFirst = 34;  // from the panel's top
constexpr int kRowStep = 50;
constexpr int kRowHeight = 42;
constexpr int kInset = 24;
constexpr int kLoadWidth = 140;
constexpr int kIcon = 28;
constexpr int kPageButton = 32;

void BackToMenu(int) { GetGame().SetState(STATE_MENU); }
}  // namespace

GUI_LoadGameScreen& GetLoadGameScreen()
{
    static GUI_LoadGameScreen screen;
    return screen;
}

void GUI_LoadGameScreen::Activate()
{
    mModalWindowsOnly = true;
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    mPanel = GRect{100, 100, w - 100, h - 80};
    mPage = 0;
    Relist();
    GetScreenFader().Start(ScreenFader::kFromBlack);
}

void GUI_LoadGameScreen::Relist()
{
    mRows = LoadGameList::Build(SaveGames::List());
    ShowPage(mPage);
}

void GUI_LoadGameScreen::ShowPage(int page)
{
    mPage = std::max(0, std::min(page, PageCount() - 1));
    BuildPage();
}

int GUI_LoadGameScreen::RowTop(int indexOnPage) const { return mPanel.top + kRowFirst + indexOnPage * kRowStep; }

void GUI_LoadGameScreen::BuildPage()
{
    DeleteButtons();
    ScreenLayout::AddButton(*this, "Back", "MAIN_MENU", "TOOLTIP_MAINMENU", ScreenLayout::BackButtonRect(),
                            BackToMenu, true);

    const size_t first = static_cast<size_t>(mPage) * kPerPage;
    for (size_t i = first; i < mRows.size() && i < first + kPerPage; ++i) {
        const LoadGameRow& row = mRows[i];
        const int top = RowTop(static_cast<int>(i - first));
        const int iconLeft = mPanel.right - kInset - kIcon;
        const int loadLeft = iconLeft - 16 - kLoadWidth;
        const int buttonTop = top + (kRowHeight - 24) / 2;
        const std::string name = row.name;
        const GRect loadRect{loadLeft, buttonTop, loadLeft + kLoadWidth, buttonTop + 24};
        GUI_ButtonText* load = ScreenLayout::AddButton(*this, row.loadButton, "LOADGAME_LOAD", "", loadRect,
                                                       [name](int) { LoadNow(name); }, true);
        load->Enabled = row.readable;

        auto remove = std::make_unique<GUI_IconButton>(row.deleteButton, "button_close.dds", "button_close_h.dds");
        const float iconTop = static_cast<float>(top + (kRowHeight - kIcon) / 2);
        remove->SetRect(static_cast<float>(iconLeft), iconTop, static_cast<float>(iconLeft + kIcon), iconTop + kIcon);
        remove->SetTooltip("LOADGAME_DELETE_TOOLTIP");
        remove->SetCallback([this, name](int) { AskToDelete(name); });
        Add(std::move(remove));
    }

    // The page arrows sit on the panel's bottom edge, only where a page lies that way.
    const float arrowTop = mPanel.bottom - kPageButton / 2.0f;
    const float centre = g_ScreenWidth / 2.0f;
    auto previous = std::make_unique<GUI_IconButton>("SavesPreviousPage", "left.dds", "left_h.dds");
    previous->SetRect(centre - 60.0f - kPageButton, arrowTop, centre - 60.0f, arrowTop + kPageButton);
    previous->SetTooltip("LOADGAME_PREVPAGE_TOOLTIP");
    previous->SetCallback([this](int) { ShowPage(mPage - 1); });
    previous->Visible = mPage > 0;
    Add(std::move(previous));
    auto next = std::make_unique<GUI_IconButton>("SavesNextPage", "right.dds", "right_h.dds");
    next->SetRect(centre + 60.0f, arrowTop, centre + 60.0f + kPageButton, arrowTop + kPageButton);
    next->SetTooltip("LOADGAME_NEXTPAGE_TOOLTIP");
    next->SetCallback([this](int) { ShowPage(mPage + 1); });
    next->Visible = mPage + 1 < PageCount();
    Add(std::move(next));
}

void GUI_LoadGameScreen::LoadNow(const std::string& name)
{
    Game& game = GetGame();
    const bool wasInGame = game.InGame;
    // As a new game does: the game is under way while it is built.
    game.InGame = true;
    game.SetState(STATE_PROCESSING);
    const SaveResult result = SaveGames::Load(name);
    if (result.ok) {
        game.EnterMainScreen();
        return;
    }
    // A refused file leaves the running game as it was (or none at all).
    game.InGame = wasInGame && SaveGames::GameRunning();
    game.SetState(STATE_LOADGAME);
    new GUI_MessageDialog("LoadFailedDialog", translate("LOADGAME_FAILED_TITLE"), result.message);
}

void GUI_LoadGameScreen::AskToDelete(const std::string& name)
{
    const std::string question = ReplaceTokens(translate("LOADGAME_DELETE_TEXT"), {{"NAME", name}});
    new GUI_ConfirmDialog("DeleteSaveDialog", translate("LOADGAME_DELETE_TITLE"), question, "LOADGAME_DELETE_OK",
                          [this, name]() {
                              const SaveResult result = SaveGames::Delete(name);
                              Relist();
                              if (!result.ok)
                                  new GUI_MessageDialog("DeleteFailedDialog",
                                                        translate("LOADGAME_DELETE_FAILED_TITLE"), result.message);
                          });
}

void GUI_LoadGameScreen::Render()
{
    D3DEngine& engine = GetD3DEngine();
    const int w = static_cast<int>(g_ScreenWidth);
    ScreenLayout::DrawBackground(mBackground);
    ScreenLayout::DrawPanel(mPanel);
    ScreenLayout::DrawTitle(translate("LOADGAME_TITLE"));

    const size_t first = static_cast<size_t>(mPage) * kPerPage;
    for (size_t i = first; i < mRows.size() && i < first + kPerPage; ++i) {
        const int top = RowTop(static_cast<int>(i - first));
        // Rows alternate faintly so the eye keeps to one.
        const uint32_t shade = (i - first) % 2 == 0 ? 0x40000000u : 0x20000000u;
        engine.FillRect(GRect{mPanel.left + kInset, top, mPanel.right - kInset, top + kRowHeight}, shade);
    }

    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("arialbold20.dds") && fonts.FindFont("arial16.dds")) {
        for (size_t i = first; i < mRows.size() && i < first + kPerPage; ++i) {
            const LoadGameRow& row = mRows[i];
            const float top = static_cast<float>(RowTop(static_cast<int>(i - first)));
            const float left = mPanel.left + kInset + 14.0f;
            fonts.SelectFont("arialbold20.dds", 20.0f);
            const uint32_t nameColour = row.readable ? 0xFFFFFFFFu : 0xFF9098A0u;
            fonts.DrawText(row.name, left, top + 9.0f, nameColour);
            const float after = left + fonts.TextWidth(row.name) + 14.0f;
            fonts.SelectFont("arial16.dds", 16.0f);
            const std::string note = row.readable ? row.stamp : row.stamp + "  " + translate("LOADGAME_UNREADABLE");
            fonts.DrawText(note, after, top + 12.0f, row.readable ? 0xFFD8DEE6u : 0xFFE0A060u);
        }
        fonts.SelectFont("arial16.dds", 16.0f);
        if (mRows.empty())
            fonts.DrawText(translate("LOADGAME_EMPTY"), 0.0f, mPanel.top + 60.0f, 0xFFFFFFFFu, static_cast<float>(w),
                           FontManager::kAlignCentre);
        if (PageCount() > 1) {
            const std::string page = std::to_string(mPage + 1) + " / " + std::to_string(PageCount());
            fonts.DrawText(page, 0.0f, mPanel.bottom - 8.0f, 0xFFFFFFFFu, static_cast<float>(w),
                           FontManager::kAlignCentre);
        }
        fonts.Flush();
    }
    DrawButtonsAndWindows();
}

void GUI_LoadGameScreen::OnKey(int scanCode)
{
    if (scanCode != ScanCode::Escape)
        return;
    if (!GetWindowManager().CloseTopDialogIfOpen())
        GetGame().SetState(STATE_MENU);
}
