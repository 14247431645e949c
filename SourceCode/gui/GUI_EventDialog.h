#pragma once
#include <memory>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_GameWindow.h"

class SIM_Event;

// Something that happened: its picture and what it means. The event's
// on-view script runs when the player first sees the window, which is after
// the turn that raised it has finished.
class GUI_EventDialog : public GUI_GameWindow {
public:
    static constexpr const char* kName = "EventDialog";
    static void Open(SIM_Event& event);
    // The latest event of the issues list, if any.
    static void OpenLatest();
    static void Close() { CloseNamed(kName); }

    explicit GUI_EventDialog(SIM_Event& event);
    void Update() override;
    void DrawContents() override;

private:
    SIM_Event& mEvent;
    std::unique_ptr<CTexturedSprite> mPicture;
    bool mViewed = false;
};
