#include "gui/GUI_FirstMainScreen.h"

#include <cstdio>
#include <memory>

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "gamedata/Localisation.h"
#include "gui/GUI_ButtonText.h"
#include "gui/PanelFrame.h"
#include "gui/ScreenBackdrop.h"
#include "gui/WindowDirectory.h"
#include "gui/WindowManager.h"
#include "platform/ScanCodes.h"
#include "sim/Calendar.h"
#include "sim/OpinionPoll.h"
#include "sim/TurnProcessor.h"

namespace {
std::string Percent(float fraction)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", static_cast<int>(fraction * 100.0f + 0.5f));
    return text;
}
}  // namespace

GUI_FirstMainScreen& GetFirstMainScreen()
{
    static GUI_FirstMainScreen screen;
    return screen;
}

void GUI_FirstMainScreen::Activate()
{
    DeleteButtons();
    const float w = g_ScreenWidth;
    const float h = g_ScreenHeight;
    auto next = std::make_unique<GUI_ButtonText>("NextTurn", "MAIN_NEXTTURN");
    next->SetRect(w - 282.0f, h - 32.0f, w - 32.0f, h - 10.0f);
    next->SetTooltip("TOOLTIP_MAIN_NEXTTURN");
    next->SetCallback([](int) { NextTurn(); });
    Add(std::move(next));
    auto menu = std::make_unique<GUI_ButtonText>("MainMenu", "MAIN_MENU");
    menu->SetRect(32.0f, h - 32.0f, 282.0f, h - 10.0f);
    menu->SetCallback([](int) { GetGame().SetState(STATE_MENU); });
    Add(std::move(menu));
}

void GUI_FirstMainScreen::Render()
{
    D3DEngine& engine = GetD3DEngine();
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    ScreenBackdrop::Draw();
    const GRect panel{w / 2 - 240, h / 2 - 120, w / 2 + 240, h / 2 + 120};
    PanelFrame::DrawFrame("dialog_rounded.dds", panel.left, panel.top, panel.right, panel.bottom, 32, 1.0f);

    FontManager& fonts = GetFontManager();
    if (fonts.FindFont("arialbold20.dds") && fonts.FindFont("arial16.dds")) {
        const Calendar& calendar = Calendar::Get();
        fonts.SelectFont("arialbold20.dds", 20.0f);
        fonts.DrawText(calendar.CurrentMonthCaption() + " " + std::to_string(calendar.Year()), 0.0f, 22.0f,
                       0xFFFFFFFFu, static_cast<float>(w), FontManager::kAlignCentre);
        const OpinionPoll& poll = OpinionPoll::Get();
        const struct {
            const char* key;
            float value;
        } rows[] = {{"MAIN_APPROVAL", poll.Approval()}, {"MAIN_VOTESHARE", poll.VoteShare()}};
        float y = panel.top + 60.0f;
        for (const auto& row : rows) {
            fonts.SelectFont("arial16.dds", 16.0f);
            fonts.DrawText(translate(row.key), panel.left + 48.0f, y, 0xFFFFFFFFu);
            fonts.SelectFont("arialbold20.dds", 20.0f);
            fonts.DrawText(Percent(row.value), panel.left + 48.0f, y, 0xFFFFE08Au, panel.Width() - 96.0f,
                           FontManager::kAlignRight);
            const int barTop = static_cast<int>(y) + 28;
            const GRect bar{panel.left + 48, barTop, panel.right - 48, barTop + 10};
            engine.FillRect(bar, 0xFF202830u);
            engine.FillRect(GRect{bar.left, bar.top, bar.left + static_cast<int>(bar.Width() * row.value), bar.bottom},
                            0xFF3A8FD0u);
            engine.DrawRect(bar, 0xFF808080u);
            y += 72.0f;
        }
        fonts.Flush();
    }
    DrawButtonsAndWindows();
}

void GUI_FirstMainScreen::OnKey(int scanCode)
{
    WindowManager& windows = GetWindowManager();
    if (scanCode == ScanCode::F6) {
        NextTurn();
    } else if (scanCode == ScanCode::Escape) {
        if (!windows.CloseOnEscape())
            GetGame().SetState(STATE_MENU);
    } else if (!windows.AnyModalOpen()) {
        WindowDirectory::OpenByKey(scanCode);
    }
}
