#pragma once
#include <functional>
#include <memory>
#include <string>

#include "gui/GUI_BaseElement.h"
#include "gui/GUI_Tooltip.h"

class GUI_WindowBase;

// A control that tracks hover and runs a callback when clicked. Every button
// has a stable name: scripts click it by that name and the play guide allows
// or refuses clicks by it.
class GUI_ButtonBase : public GUI_BaseElement {
public:
    using Callback = std::function<void(int argument)>;

    GUI_ButtonBase() = default;
    explicit GUI_ButtonBase(std::string name) : Name(std::move(name)) {}
    ~GUI_ButtonBase() override = default;

    void Draw() override;  // the tooltip
    void SetRect(float left, float top, float right, float bottom) override;

    // True when enabled and the point is inside; then Press, unless the play
    // guide refuses a click on this name (the click is taken all the same).
    virtual bool OnClick(float x, float y);
    // The click sound, then the callback (after a fade to black with FadeFirst).
    virtual void Press();
    virtual void UpdateHover();

    void SetCallback(Callback callback, int argument = 0);
    // A localised tooltip: 60 frames' delay, following the mouse.
    void SetTooltip(const std::string& key);
    GUI_Tooltip* Tooltip() const { return mTooltip.get(); }

    int Hovered = 0;
    GUI_WindowBase* ParentWindow = nullptr;
    bool Enabled = true;
    bool Visible = true;
    std::string Name;
    bool FadeFirst = false;

protected:
    // Asks the play guide; a press of its allowed button moves the guide on.
    bool PassesFilter() const;
    // Runs the callback; a copy goes to the fader, so a button deleted before
    // the screen is black leaves nothing dangling.
    void RunCallback();

    Callback mCallback;
    int mArgument = 0;
    std::unique_ptr<GUI_Tooltip> mTooltip;
};
