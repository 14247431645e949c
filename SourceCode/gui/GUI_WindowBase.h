#pragma once
#include <string>
#include <vector>

#include "gui/GUIButtonList.h"

// A window: buttons and child windows (both owned), drawn and updated while
// visible, optionally draggable. Top-level windows live in the window
// manager's list; a window leaves every list of the manager when deleted.
class GUI_WindowBase : public GUIButtonList {
public:
    explicit GUI_WindowBase(std::string name = "");
    ~GUI_WindowBase() override;
    GUI_WindowBase(const GUI_WindowBase&) = delete;
    GUI_WindowBase& operator=(const GUI_WindowBase&) = delete;

    void Draw() override;
    GUI_ButtonBase* AddButton(GUI_ButtonBase* button) override;
    virtual void Update();
    virtual bool OnLeftClick(float x, float y);
    virtual bool OnPointer(float x, float y);
    virtual bool IsDialog() const { return false; }
    virtual void OnDragEnd() {}
    // A turn of the mouse wheel over (x, y), steps > 0 away from the player;
    // true when a window scrolled. Children are asked first.
    virtual bool OnWheel(float x, float y, int steps);

    // Takes ownership of a child window.
    void AddChild(GUI_WindowBase* child);
    void DrawChildren();
    const std::vector<GUI_WindowBase*>& Children() const { return mChildren; }
    // A visible button by name here or in a visible child, or null.
    GUI_ButtonBase* FindNamedButton(const std::string& name) const;
    // Every button this window shows, its own list and any others it keeps.
    virtual std::vector<GUI_ButtonBase*> AllButtons() const;
    // True between construction and destruction (the manager's consistency check).
    static bool IsAlive(const GUI_WindowBase* window);
    // This window or a visible child with the name, or null.
    const GUI_WindowBase* FindNamedWindow(const std::string& name) const;

    std::string Name;
    bool Visible = true;
    bool Registered = false;
    GUI_WindowBase* Parent = nullptr;
    bool Modal = false;
    bool BlocksHover = true;
    bool Draggable = false;
    bool Dragging = false;

protected:
    void UpdateDrag();

    std::vector<GUI_WindowBase*> mChildren;
    float mDragOffsetX = 0.0f;
    float mDragOffsetY = 0.0f;
};
