#pragma once
#include <memory>
#include <vector>

#include "engine/SmartTexture.h"
#include "gui/GUI_Screen.h"

class GUI_CheckButton;
class GUI_SliderControl;

// The options: five sliders and five tick boxes on one panel. Each control
// stores its option the moment it changes; the options file is written at
// shutdown. The full-screen box instead re-creates the display at once and
// always shows the mode the display really is in.
class OptionsGUIScreen : public GUI_Screen {
public:
    void Render() override;
    void OnKey(int scanCode) override;
    void Activate() override;

    const GRect& Panel() const { return mPanel; }
    const std::vector<std::unique_ptr<GUI_SliderControl>>& Sliders() const { return mSliders; }

private:
    GUI_CheckButton* AddCheck(const char* name, const char* captionKey, const char* tooltipKey, int row);
    void AddOptionCheck(const char* name, const char* option, const char* captionKey, const char* tooltipKey, int row);
    int RowTop(int row) const { return mPanel.top + kFirstRow + kRowStep * row; }

    static constexpr int kFirstRow = 50;
    static constexpr int kRowStep = 52;
    static constexpr int kRowHeight = 22;

    GRect mPanel;
    std::vector<std::unique_ptr<GUI_SliderControl>> mSliders;
    SmartTexture mBackground{"loadscreen.jpg"};
};

OptionsGUIScreen& GetOptionsGUIScreen();
