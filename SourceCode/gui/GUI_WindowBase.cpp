#include "gui/GUI_WindowBase.h"

#include <algorithm>
#include <unordered_set>

#include "engine/CInput.h"
#include "gui/GUI_ButtonBase.h"
#include "gui/WindowManager.h"

namespace {
std::unordered_set<const GUI_WindowBase*>& LiveWindows()
{
    static std::unordered_set<const GUI_WindowBase*> live;
    return live;
}
}  // namespace

GUI_WindowBase::GUI_WindowBase(std::string name) : Name(std::move(name)) { LiveWindows().insert(this); }

bool GUI_WindowBase::IsAlive(const GUI_WindowBase* window) { return LiveWindows().count(window) != 0; }

GUI_WindowBase::~GUI_WindowBase()
{
    LiveWindows().erase(this);
    GetWindowManager().Forget(this);
    if (Parent) {
        auto& siblings = Parent->mChildren;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    // Each child takes itself out of mChildren as it goes.
    while (!mChildren.empty()) {
        GUI_WindowBase* child = mChildren.back();
        child->Parent = nullptr;
        mChildren.pop_back();
        delete child;
    }
}

void GUI_WindowBase::Draw()
{
    if (Visible)
        DrawButtons();
}

GUI_ButtonBase* GUI_WindowBase::AddButton(GUI_ButtonBase* button)
{
    if (GUIButtonList::AddButton(button))
        button->ParentWindow = this;
    return button;
}

void GUI_WindowBase::AddChild(GUI_WindowBase* child)
{
    if (!child)
        return;
    child->Parent = this;
    mChildren.push_back(child);
}

void GUI_WindowBase::DrawChildren()
{
    for (GUI_WindowBase* child : mChildren)
        if (child->Visible) {
            child->Draw();
            child->DrawChildren();
        }
}

void GUI_WindowBase::Update()
{
    if (!Visible)
        return;
    if (Draggable)
        UpdateDrag();
    for (GUI_WindowBase* child : mChildren)
        child->Update();
    UpdateButtons();
    CInput& input = GetInput();
    if (BlocksHover && Contains(input.MouseX, input.MouseY))
        input.HoverClaimed = true;
}

void GUI_WindowBase::UpdateDrag()
{
    CInput& input = GetInput();
    WindowManager& manager = GetWindowManager();
    if (!Dragging) {
        if (input.LeftHeld && Contains(input.MouseX, input.MouseY) && !manager.DraggedWindow() &&
            !input.HoverClaimed) {
            Dragging = true;
            mDragOffsetX = input.MouseX - static_cast<float>(mRect.left);
            mDragOffsetY = input.MouseY - static_cast<float>(mRect.top);
            manager.SetDraggedWindow(this);
        }
        return;
    }
    if (!input.LeftHeld) {
        Dragging = false;
        manager.SetDraggedWindow(nullptr);
        OnDragEnd();
        return;
    }
    MoveTo(input.MouseX - mDragOffsetX, input.MouseY - mDragOffsetY);
}

bool GUI_WindowBase::OnLeftClick(float x, float y)
{
    if (!Visible)
        return false;
    for (size_t i = mChildren.size(); i-- > 0;)
        if (i < mChildren.size() && mChildren[i]->OnLeftClick(x, y))
            return true;
    const bool inside = Contains(x, y);
    if (inside)
        GetWindowManager().BringToFront(this);
    if (ClickButtons())
        return true;
    return inside;
}

bool GUI_WindowBase::OnPointer(float x, float y)
{
    for (size_t i = mChildren.size(); i-- > 0;)
        if (mChildren[i]->OnPointer(x, y))
            return true;
    const bool inside = Contains(x, y);
    if (inside)
        GetWindowManager().BringToFront(this);
    return inside;
}

bool GUI_WindowBase::OnWheel(float x, float y, int steps)
{
    if (!Visible)
        return false;
    for (size_t i = mChildren.size(); i-- > 0;)
        if (i < mChildren.size() && mChildren[i]->OnWheel(x, y, steps))
            return true;
    return false;
}

std::vector<GUI_ButtonBase*> GUI_WindowBase::AllButtons() const
{
    std::vector<GUI_ButtonBase*> buttons;
    for (const auto& button : mButtons)
        buttons.push_back(button.get());
    return buttons;
}

GUI_ButtonBase* GUI_WindowBase::FindNamedButton(const std::string& name) const
{
    if (!Visible)
        return nullptr;
    for (size_t i = mChildren.size(); i-- > 0;)
        if (GUI_ButtonBase* found = mChildren[i]->FindNamedButton(name))
            return found;
    for (GUI_ButtonBase* button : AllButtons())
        if (button->Visible && button->Name == name)
            return button;
    return nullptr;
}

const GUI_WindowBase* GUI_WindowBase::FindNamedWindow(const std::string& name) const
{
    if (!Visible)
        return nullptr;
    if (Name == name)
        return this;
    for (const GUI_WindowBase* child : mChildren)
        if (const GUI_WindowBase* found = child->FindNamedWindow(name))
            return found;
    return nullptr;
}
