#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/GUI_BaseElement.h"
#include "gui/GUI_ButtonBase.h"

// An ordered list of buttons that it owns.
class GUIButtonList : public GUI_BaseElement {
public:
    ~GUIButtonList() override;

    // Takes ownership; a null button is reported and ignored.
    virtual GUI_ButtonBase* AddButton(GUI_ButtonBase* button);
    template <typename T>
    T* Add(std::unique_ptr<T> button)
    {
        T* raw = button.release();
        AddButton(raw);
        return raw;
    }
    virtual void UpdateButtons();
    void DrawButtons();
    // Offers the mouse position to each button; true at the first that takes it.
    bool ClickButtons();
    void DeleteButtons();

    // A visible button of this list by name, or null.
    GUI_ButtonBase* FindButton(const std::string& name) const;
    const std::vector<std::unique_ptr<GUI_ButtonBase>>& Buttons() const { return mButtons; }

protected:
    std::vector<std::unique_ptr<GUI_ButtonBase>> mButtons;
};
