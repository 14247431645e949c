#pragma once
#include <string>

#include "engine/FrameTimer.h"
#include "engine/SmartTexture.h"
#include "gui/GUI_Screen.h"
#include "gui/SaveNameField.h"

// Saves the running game under a typed name. The field starts with the
// default name each time; Return or the save button saves (asking first
// when a save of that name exists), and a good save returns to the game.
class GUI_SaveGameScreen : public GUI_Screen {
public:
    void Render() override;
    void OnKey(int scanCode) override;
    void Activate() override;
    void Update() override;

    const SaveNameField& Field() const { return mField; }
    const GRect& Panel() const { return mPanel; }
    const GRect& NameField() const { return mNameRect; }

    // The save button: checks the name, asks before replacing, then saves.
    void RequestSave();
    // Saves at once; back to the game when it worked, else says why here.
    static void SaveNow(const std::string& name);

private:
    void TypeKey(int scanCode);

    SaveNameField mField;
    GRect mPanel;
    GRect mNameRect;
    FrameTimer mCaretTimer;
    SmartTexture mBackground{"loadscreen.jpg"};
};

GUI_SaveGameScreen& GetSaveGameScreen();
