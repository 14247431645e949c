#pragma once
#include "gui/GUI_GameWindow.h"

// After the count: how each voter group voted, and either the next term or
// the end of the game.
class GUI_PostElection : public GUI_GameWindow {
public:
    static constexpr const char* kName = "PostElection";
    static void Open(bool victory);
    static void OpenLast();
    static void Close() { CloseNamed(kName); }

    explicit GUI_PostElection(bool victory);
    void DrawContents() override;
    GUI_ListArea* List() const { return mList; }

private:
    void DrawRows(float left, float top);

    GUI_ListArea* mList = nullptr;
    bool mVictory;
};
