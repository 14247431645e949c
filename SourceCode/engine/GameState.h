#pragma once

// The application's full screens. Any other number shows the menu.
enum GameState {
    STATE_MENU = 0,
    STATE_OPTIONS,
    STATE_LOADGAME,
    STATE_SAVEGAME,
    STATE_CHOOSEGAME,
    STATE_NEWGAME,
    STATE_MAIN,
    STATE_PROCESSING,
    STATE_INTERNET,
};

// Number of states above, for tables indexed by state.
constexpr int kGameStateCount = STATE_INTERNET + 1;
