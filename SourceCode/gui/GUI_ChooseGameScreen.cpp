#include "gui/GUI_ChooseGameScreen.h"

#include <algorithm>
#include <memory>

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ScreenFader.h"
#include "gamedata/Localisation.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/UserFolders.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MissionButton.h"
#include "gui/ScreenLayout.h"
#include "gui/WindowManager.h"
#include "platform/ScanCodes.h"

namespace {
constexpr int kButtonHeight = 98;
constexpr int kButtonStep = 102;
constexpr int kPageButton = 32;

void BackToMenu(int) { GetGame().SetState(STATE_MENU); }
}  // namespace

GUI_ChooseGameScreen& GetChooseGameScreen()
{
    static GUI_ChooseGameScreen screen;
    return screen;
}

std::string GUI_ChooseGameScreen::ButtonName(const std::string& missionPath)
{
    const size_t slash = missionPath.find_last_of("/\\");
    std::string name = slash == std::string::npos ? missionPath : missionPath.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    // Scripts click by one word.
    for (char& c : name)
        if (c == ' ')
            c = '_';
    return "Mission_" + name;
}

void GUI_ChooseGameScreen::Choose(const std::string& missionPath)
{
    SIM_Mission& mission = SIM_Mission::Get();
    mission.Clear();
    mission.SetFile(missionPath);
    mission.Load();
    GetGame().SetState(STATE_NEWGAME);
}

void GUI_ChooseGameScreen::Relist()
{
    mMissions = MissionList::List(UserFolders::Get().UserFolder());
    mListed = true;
    // A mod mission may share its file name with one of the game's own: the later one gets a number.
    mButtonNames.clear();
    for (const MissionChoice& mission : mMissions) {
        const std::string base = ButtonName(mission.path);
        std::string name = base;
        for (int n = 2; std::find(mButtonNames.begin(), mButtonNames.end(), name) != mButtonNames.end(); ++n)
            name = base + "_" + std::to_string(n);
        mButtonNames.push_back(name);
    }
}

int GUI_ChooseGameScreen::PageCount() const
{
    return static_cast<int>((mMissions.size() + kPerPage - 1) / kPerPage);
}

void GUI_ChooseGameScreen::Activate()
{
    mModalWindowsOnly = true;
    if (!mListed)
        Relist();
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    mPanel = GRect{100, 100, w - 100, h - 80};
    ShowPage(0);
    GetScreenFader().Start(ScreenFader::kFromBlack);
}

void GUI_ChooseGameScreen::ShowPage(int page)
{
    mPage = page < 0 ? 0 : page;
    BuildPage();
}

void GUI_ChooseGameScreen::BuildPage()
{
    DeleteButtons();
    const float w = g_ScreenWidth;
    ScreenLayout::AddButton(*this, "ChooseGameBack", "NEWGAME_MAINMENU", "NEWGAME_MAINMENU_TOOLTIP",
                            ScreenLayout::BackButtonRect(), BackToMenu, true);

    const size_t first = static_cast<size_t>(mPage) * kPerPage;
    float top = mPanel.top + 40.0f;
    for (size_t i = first; i < mMissions.size() && i < first + kPerPage; ++i) {
        auto button = std::make_unique<GUI_MissionButton>(mButtonNames[i], mMissions[i]);
        button->SetRect(mPanel.left + 20.0f, top, mPanel.right - 20.0f, top + kButtonHeight);
        button->SetTooltip("CHOOSEMISSION_TOOLTIP");
        const std::string path = mMissions[i].path;
        button->SetCallback([path](int) { Choose(path); });
        button->FadeFirst = true;
        Add(std::move(button));
        top += kButtonStep;
    }

    // The page arrows sit on the panel's bottom edge, only where a page lies that way.
    const float arrowTop = mPanel.bottom - kPageButton / 2.0f;
    const float centre = w / 2.0f;
    auto previous = std::make_unique<GUI_IconButton>("MissionsPreviousPage", "left.dds", "left_h.dds");
    previous->SetRect(centre - 60.0f - kPageButton, arrowTop, centre - 60.0f, arrowTop + kPageButton);
    previous->SetTooltip("CHOOSEGAME_PREVPAGE_TOOLTIP");
    previous->SetCallback([this](int) { ShowPage(mPage - 1); });
    previous->Visible = mPage > 0;
    Add(std::move(previous));
    auto next = std::make_unique<GUI_IconButton>("MissionsNextPage", "right.dds", "right_h.dds");
    next->SetRect(centre + 60.0f, arrowTop, centre + 60.0f + kPageButton, arrowTop + kPageButton);
    next->SetTooltip("CHOOSEGAME_NEXTPAGE_TOOLTIP");
    next->SetCallback([this](int) { ShowPage(mPage + 1); });
    next->Visible = static_cast<size_t>(mPage + 1) * kPerPage < mMissions.size();
    Add(std::move(next));
}

void GUI_ChooseGameScreen::Render()
{
    const int w = static_cast<int>(g_ScreenWidth);
    ScreenLayout::DrawBackground(mBackground);
    ScreenLayout::DrawPanel(mPanel);
    ScreenLayout::DrawTitle(translate("CHOOSEGAME_TITLE"));
    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("arial16.dds")) {
        if (PageCount() > 1) {
            fonts.SelectFont("arial16.dds", 16.0f);
            const std::string page = std::to_string(mPage + 1) + " / " + std::to_string(PageCount());
            fonts.DrawText(page, 0.0f, mPanel.bottom - 8.0f, 0xFFFFFFFFu, static_cast<float>(w),
                           FontManager::kAlignCentre);
        }
        fonts.Flush();
    }
    if (mMissions.empty() && fonts.FindFont("arial16.dds")) {
        fonts.SelectFont("arial16.dds", 16.0f);
        fonts.DrawText(translate("MENU_NO_MISSIONS"), 0.0f, mPanel.top + 60.0f, 0xFFFFFFFFu, static_cast<float>(w),
                       FontManager::kAlignCentre);
        fonts.Flush();
    }
    DrawButtonsAndWindows();
}

void GUI_ChooseGameScreen::OnKey(int scanCode)
{
    if (scanCode != ScanCode::Escape)
        return;
    if (!GetWindowManager().CloseTopDialogIfOpen())
        GetScreenFader().FadeOutThen(BackToMenu, 0);
}
