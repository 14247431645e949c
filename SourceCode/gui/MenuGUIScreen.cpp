#include "gui/MenuGUIScreen.h"

#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "engine/ShellHooks.h"
#include "platform/ScanCodes.h"
#include "sound/GUI_Sounds.h"

namespace {
constexpr int kEntryWidth = 300;
constexpr int kEntryHeight = 44;
constexpr int kEntryStep = 52;
constexpr int kFirstEntryTop = 170;
}  // namespace

MenuGUIScreen& GetMenuGUIScreen()
{
    static MenuGUIScreen screen;
    return screen;
}

MenuGUIScreen::MenuGUIScreen()
{
    mEntries = {
        {"Back to the game", STATE_MAIN, {}},   {"New game", STATE_CHOOSEGAME, {}},
        {"Customise game", STATE_NEWGAME, {}},  {"Load game", STATE_LOADGAME, {}},
        {"Save game", STATE_SAVEGAME, {}},      {"Options", STATE_OPTIONS, {}},
        {"Processing", STATE_PROCESSING, {}},   {"Check for updates", STATE_INTERNET, {}},
        {"Quit", kQuit, {}},
    };
    Layout();
}

void MenuGUIScreen::Layout()
{
    int left = static_cast<int>(g_ScreenWidth > 0 ? g_ScreenWidth : 1024.0f) / 2 - kEntryWidth / 2;
    int top = kFirstEntryTop;
    for (Entry& entry : mEntries) {
        entry.rect = GRect{left, top, left + kEntryWidth, top + kEntryHeight};
        top += kEntryStep;
    }
}

void MenuGUIScreen::Activate() { Layout(); }

const MenuGUIScreen::Entry* MenuGUIScreen::EntryAt(float x, float y) const
{
    for (const Entry& entry : mEntries) {
        const GRect& r = entry.rect;
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return &entry;
    }
    return nullptr;
}

void MenuGUIScreen::Render()
{
    D3DEngine& engine = GetD3DEngine();
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    engine.GradientRect(GRect{0, 0, w, h}, 0xFF14304Au, 0xFF0A1522u);
    engine.FillRect(GRect{0, 60, w, 130}, 0x80000000u);
    const std::string title = "Rulecraft";
    ShellHooks::DrawText("tahoma30.dds", title, (w - ShellHooks::TextWidth("tahoma30.dds", title)) / 2.0f, 78.0f,
                         0xFFFFFFFFu);

    const CInput& input = GetInput();
    const Entry* hovered = EntryAt(input.MouseX, input.MouseY);
    for (const Entry& entry : mEntries) {
        bool hot = &entry == hovered;
        engine.FillRect(entry.rect, hot ? 0xF03A6EA5u : 0xC0203A55u);
        engine.DrawRoundedRect(entry.rect, hot ? 0xFFFFFFFFu : 0xFF7FA7CFu);
        float textWidth = ShellHooks::TextWidth("arialbold20.dds", entry.label);
        float x = (entry.rect.left + entry.rect.right) / 2.0f - textWidth / 2.0f;
        float y = entry.rect.top + (kEntryHeight - 20) / 2.0f;
        ShellHooks::DrawText("arialbold20.dds", entry.label, x, y, 0xFFFFFFFFu);
    }
}

bool MenuGUIScreen::OnClick(float x, float y)
{
    const Entry* entry = EntryAt(x, y);
    if (!entry)
        return false;
    GetSounds().PlayClick();
    Choose(*entry);
    return true;
}

void MenuGUIScreen::Choose(const Entry& entry)
{
    Game& game = GetGame();
    if (entry.state == kQuit)
        game.Quit();
    else if (entry.state == STATE_MAIN)
        game.EnterMainScreen();
    else
        game.SetState(entry.state);
}

void MenuGUIScreen::OnKey(int scanCode)
{
    if (scanCode == ScanCode::Escape)
        GetGame().Quit();
}
