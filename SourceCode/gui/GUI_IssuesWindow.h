#pragma once
#include "gui/GUI_GameWindow.h"

struct Issue;

// What needs the player's attention this turn; each entry opens its window.
class GUI_IssuesWindow : public GUI_GameWindow {
public:
    static constexpr const char* kName = "IssuesWindow";
    // Rows in view at once; more scroll.
    static constexpr size_t kRowsInView = 12;
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_IssuesWindow();
    GUI_ListArea* List() const { return mList; }

    // The window about an issue: a dilemma, an event, the cabinet, the
    // finances, or the details of a situation. False when none opens.
    static bool OpenIssue(const Issue& issue);
    // The line the list shows for an issue.
    static std::string Describe(const Issue& issue);

private:
    void DrawRows(float left, float top);

    GUI_ListArea* mList = nullptr;
};
