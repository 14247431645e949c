#pragma once
#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_Screen.h"

// The main menu: New game, Resume, Load, Save, Options, Play guide, Updates, Quit.
// Resume and Save need a game in progress.
class MenuGUIScreen : public GUI_Screen {
public:
    void Render() override;
    void OnKey(int scanCode) override;
    void Activate() override;

    // The panel that holds the entries.
    const GRect& Panel() const { return mPanel; }

private:
    void AddEntry(const char* name, const char* captionKey, int top, GUI_ButtonBase::Callback action,
                  bool fadeFirst);

    GRect mPanel;
};

MenuGUIScreen& GetMenuGUIScreen();
