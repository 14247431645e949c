#include "gui/WindowManager.h"

#include <algorithm>

#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_WindowBase.h"

namespace {
template <typename T>
void Remove(std::vector<T*>& list, const T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

template <typename T>
bool Holds(const std::vector<T*>& list, const T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}
}  // namespace

WindowManager& GetWindowManager()
{
    static WindowManager manager;
    return manager;
}

void WindowManager::Register(GUI_WindowBase* window)
{
    Remove(mWindows, window);
    mWindows.push_back(window);
    window->Registered = true;
}

void WindowManager::Unregister(GUI_WindowBase* window)
{
    Remove(mWindows, window);
    window->Registered = false;
}

void WindowManager::Forget(GUI_WindowBase* window)
{
    Unregister(window);
    Remove(mModal, window);
    Remove(mFullScreen, window);
    Remove(mPending, window);
    if (mDragged == window)
        mDragged = nullptr;
}

void WindowManager::SetModal(GUI_WindowBase* window, bool modal)
{
    window->Modal = modal;
    Remove(mModal, window);
    if (modal)
        mModal.push_back(window);
}

void WindowManager::AddFullScreen(GUI_WindowBase* window)
{
    window->SetRect(0.0f, 0.0f, g_ScreenWidth, g_ScreenHeight);
    Remove(mFullScreen, window);
    mFullScreen.push_back(window);
}

void WindowManager::CloseFullScreen()
{
    for (size_t i = mFullScreen.size(); i-- > 0;)
        if (!IsPending(mFullScreen[i])) {
            Close(mFullScreen[i]);
            return;
        }
}

void WindowManager::BringToFront(GUI_WindowBase* window)
{
    if (Holds(mWindows, window)) {
        Remove(mWindows, window);
        mWindows.push_back(window);
    }
}

bool WindowManager::AnyDialogOpen() const
{
    return std::any_of(mWindows.begin(), mWindows.end(),
                       [this](const GUI_WindowBase* w) { return w->IsDialog() && !IsPending(w); });
}

void WindowManager::CloseTopDialog()
{
    for (size_t i = mWindows.size(); i-- > 0;)
        if (mWindows[i]->IsDialog() && !IsPending(mWindows[i])) {
            Close(mWindows[i]);
            return;
        }
}

bool WindowManager::CloseTopDialogIfOpen()
{
    if (!AnyDialogOpen())
        return false;
    CloseTopDialog();
    return true;
}

bool WindowManager::CloseOnEscape()
{
    if (CloseTopDialogIfOpen())
        return true;
    if (!AnyFullScreenOpen())
        return false;
    CloseFullScreen();
    return true;
}

bool WindowManager::IsPending(const GUI_WindowBase* window) const { return Holds(mPending, window); }

void WindowManager::Close(GUI_WindowBase* window)
{
    if (!window || IsPending(window))
        return;
    // Out of sight and out of the modal stack at once; the memory waits for the frame's input to end.
    window->Visible = false;
    Remove(mModal, window);
    Remove(mFullScreen, window);
    mPending.push_back(window);
}

void WindowManager::DeletePending()
{
    while (!mPending.empty()) {
        GUI_WindowBase* window = mPending.back();
        mPending.pop_back();
        delete window;
    }
}

void WindowManager::CloseAll()
{
    DeletePending();
    while (!mWindows.empty())
        delete mWindows.back();
    while (!mFullScreen.empty())
        delete mFullScreen.back();
    // A modal window that was never listed is still ours to delete; a child goes with its parent.
    while (!mModal.empty()) {
        GUI_WindowBase* window = mModal.back();
        if (window->Parent)
            SetModal(window, false);
        else
            delete window;
    }
    mTopLayer.clear();
}

void WindowManager::Update()
{
    DeletePending();
    if (!mModal.empty()) {
        for (GUI_WindowBase* window : std::vector<GUI_WindowBase*>(mModal))
            window->Update();
        return;
    }
    if (mFullScreen.empty()) {
        for (GUI_WindowBase* window : std::vector<GUI_WindowBase*>(mWindows))
            window->Update();
        return;
    }
    for (GUI_WindowBase* window : std::vector<GUI_WindowBase*>(mWindows))
        if (window->IsDialog() && window->Visible)
            window->Update();
    mFullScreen.back()->Update();
}

namespace {
void DrawWithChildren(GUI_WindowBase* window)
{
    window->Draw();
    window->DrawChildren();
}
}  // namespace

void WindowManager::DrawModalWindows()
{
    for (GUI_WindowBase* window : mModal)
        if (window->Visible)
            DrawWithChildren(window);
}

void WindowManager::DrawWindows()
{
    if (!mFullScreen.empty())
        return;
    for (GUI_WindowBase* window : mWindows)
        if (window->Visible && !window->IsDialog() && !window->Modal)
            DrawWithChildren(window);
    for (GUI_WindowBase* window : mWindows)
        if (window->Visible && window->IsDialog() && !window->Modal)
            DrawWithChildren(window);
    for (GUI_WindowBase* window : mModal)
        if (window->Visible)
            DrawWithChildren(window);
}

bool WindowManager::DrawOverlays()
{
    bool drewFullScreen = false;
    for (GUI_WindowBase* window : mFullScreen)
        if (window->Visible) {
            DrawWithChildren(window);
            drewFullScreen = true;
        }
    if (!drewFullScreen)
        return false;
    for (GUI_WindowBase* window : mWindows)
        if (window->Visible && window->IsDialog() && !window->Modal && !Holds(mFullScreen, window))
            DrawWithChildren(window);
    for (GUI_WindowBase* window : mModal)
        if (window->Visible && !Holds(mFullScreen, window))
            DrawWithChildren(window);
    return true;
}

std::vector<GUI_WindowBase*> WindowManager::ClickOrder() const
{
    std::vector<GUI_WindowBase*> order;
    if (!mModal.empty()) {
        order.assign(mModal.rbegin(), mModal.rend());
        return order;
    }
    if (!mFullScreen.empty()) {
        for (auto it = mWindows.rbegin(); it != mWindows.rend(); ++it)
            if ((*it)->IsDialog() && (*it)->Visible && !Holds(mFullScreen, *it))
                order.push_back(*it);
        order.insert(order.end(), mFullScreen.rbegin(), mFullScreen.rend());
        return order;
    }
    order.assign(mWindows.rbegin(), mWindows.rend());
    return order;
}

bool WindowManager::OnLeftClick()
{
    const CInput& input = GetInput();
    // Modal and full-screen windows consume every click, also one that closes them.
    const bool consumesAll = !mModal.empty() || !mFullScreen.empty();
    // Windows closed by a click stay allocated until DeletePending, so the copy stays valid.
    for (GUI_WindowBase* window : ClickOrder())
        if (window->OnLeftClick(input.MouseX, input.MouseY))
            return true;
    return consumesAll;
}

bool WindowManager::OnWheel(int steps)
{
    const CInput& input = GetInput();
    for (GUI_WindowBase* window : ClickOrder())
        if (window->OnWheel(input.MouseX, input.MouseY, steps))
            return true;
    return false;
}

namespace {
bool Fails(std::string* problem, const std::string& what, const GUI_WindowBase* window)
{
    if (problem)
        *problem = what + " (window \"" + (GUI_WindowBase::IsAlive(window) ? window->Name : "?") + "\")";
    return false;
}

const GUI_WindowBase* FirstTwice(const std::vector<GUI_WindowBase*>& list)
{
    for (size_t i = 0; i < list.size(); ++i)
        for (size_t j = i + 1; j < list.size(); ++j)
            if (list[i] == list[j])
                return list[i];
    return nullptr;
}
}  // namespace

bool WindowManager::CheckConsistency(std::string* problem) const
{
    for (const auto* list : {&mWindows, &mModal, &mFullScreen, &mPending}) {
        for (const GUI_WindowBase* window : *list)
            if (!GUI_WindowBase::IsAlive(window))
                return Fails(problem, "a deleted window is still listed", window);
        if (const GUI_WindowBase* twice = FirstTwice(*list))
            return Fails(problem, "a window is listed twice", twice);
    }
    for (const GUI_WindowBase* window : mWindows)
        if (!window->Registered)
            return Fails(problem, "a listed window is not flagged registered", window);
    for (const GUI_WindowBase* window : mModal) {
        if (!window->Modal)
            return Fails(problem, "a window on the modal stack is not flagged modal", window);
        if (IsPending(window))
            return Fails(problem, "a closed window is still modal", window);
        // A modal window nobody draws would block every click for good.
        if (!Holds(mWindows, window) && !Holds(mFullScreen, window) && !window->Parent)
            return Fails(problem, "a modal window is neither listed nor a child", window);
    }
    for (const GUI_WindowBase* window : mFullScreen)
        if (IsPending(window))
            return Fails(problem, "a closed window is still full screen", window);
    for (const GUI_WindowBase* window : mPending)
        if (window->Visible)
            return Fails(problem, "a closed window is still visible", window);
    if (mDragged && !GUI_WindowBase::IsAlive(mDragged))
        return Fails(problem, "the dragged window was deleted", mDragged);
    return true;
}

void WindowManager::DrawTopLayer()
{
    if (mTopLayer.empty())
        return;
    D3DEngine& engine = GetD3DEngine();
    engine.SetPointFiltering();
    for (GUI_Tooltip* tooltip : mTopLayer)
        tooltip->DrawNow();
    mTopLayer.clear();
    GetFontManager().Flush();
    engine.SetLinearFiltering();
}

GUI_ButtonBase* WindowManager::FindButton(const std::string& name) const
{
    for (GUI_WindowBase* window : ClickOrder())
        if (GUI_ButtonBase* button = window->FindNamedButton(name))
            return button;
    return nullptr;
}

const GUI_WindowBase* WindowManager::FindWindow(const std::string& name) const
{
    for (const auto* list : {&mModal, &mFullScreen, &mWindows})
        for (auto it = list->rbegin(); it != list->rend(); ++it)
            if (const GUI_WindowBase* found = (*it)->FindNamedWindow(name))
                return found;
    return nullptr;
}
