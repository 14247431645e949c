#pragma once
#include <vector>

#include "gui/GUI_GameWindow.h"

class SIM_Minister;

// The politicians who could take one post: how suited each is to it, how
// experienced and loyal, and which voters he speaks for. Choosing appoints.
class GUI_MinisterChooser : public GUI_GameWindow {
public:
    static constexpr const char* kName = "MinisterChooser";
    // Candidates in view at once; more scroll.
    static constexpr size_t kRowsInView = 8;
    static void Open(int ministry);
    static void Close() { CloseNamed(kName); }

    explicit GUI_MinisterChooser(int ministry);
    void DrawContents() override;

    // Appoints a candidate of the list to the post (the choose button's action).
    bool Choose(size_t candidate);
    GUI_ListArea* List() const { return mList; }

private:
    void DrawRows(float left, float top);

    GUI_ListArea* mList = nullptr;
    int mMinistry;
    std::vector<SIM_Minister*> mCandidates;
};
