#pragma once
#include "gui/GUI_GameWindow.h"

struct Issue;

// What needs the player's attention this turn; each entry opens its window.
class GUI_IssuesWindow : public GUI_GameWindow {
public:
    static constexpr const char* kName = "IssuesWindow";
    static constexpr size_t kMaxShown = 12;
    static void Open();
    static void Close() { CloseNamed(kName); }

    GUI_IssuesWindow();
    void DrawContents() override;

    // The window about an issue: a dilemma, an event, the cabinet, the
    // finances, or the details of a situation. False when none opens.
    static bool OpenIssue(const Issue& issue);
    // The line the list shows for an issue.
    static std::string Describe(const Issue& issue);
};
