#pragma once
#include <string>
#include <vector>

#include "engine/BaseGUIScreen.h"
#include "engine/GRect.h"

// The main menu, for now a plain list: one entry per screen of the game and
// Quit. Clicking an entry goes to its screen; Escape quits.
class MenuGUIScreen : public BaseGUIScreen {
public:
    struct Entry {
        std::string label;
        int state;  // the state it leads to, or kQuit
        GRect rect;
    };
    static constexpr int kQuit = -1;

    MenuGUIScreen();

    void Render() override;
    bool OnClick(float x, float y) override;
    void OnKey(int scanCode) override;
    void Activate() override;

    const std::vector<Entry>& Entries() const { return mEntries; }
    // The entry under a point; null when none.
    const Entry* EntryAt(float x, float y) const;

private:
    void Layout();
    void Choose(const Entry& entry);

    std::vector<Entry> mEntries;
};

MenuGUIScreen& GetMenuGUIScreen();
