#pragma once
#include <string>
#include <vector>

class GUI_ButtonBase;
class GUI_Tooltip;
class GUI_WindowBase;

// Keeps the open top-level windows in back-to-front order, the modal stack
// and the full-screen list; routes clicks to the topmost window; draws dialogs
// above windows and modal windows above everything. Windows closed while a
// click is being handled are deleted once the frame's input is done.
class WindowManager {
public:
    void Register(GUI_WindowBase* window);
    void Unregister(GUI_WindowBase* window);
    // Takes a window out of every list (its destructor calls this).
    void Forget(GUI_WindowBase* window);

    void SetModal(GUI_WindowBase* window, bool modal);
    bool AnyModalOpen() const { return !mModal.empty(); }
    // Sizes the window to the display, at (0, 0), and adds it to the full-screen list.
    void AddFullScreen(GUI_WindowBase* window);
    // Closes the topmost full-screen window.
    void CloseFullScreen();
    bool AnyFullScreenOpen() const { return !mFullScreen.empty(); }

    void BringToFront(GUI_WindowBase* window);
    bool AnyDialogOpen() const;
    void CloseTopDialog();
    // Escape on a full screen of its own: closes the top dialog; false when
    // none was open, so the screen takes the key as its way back.
    bool CloseTopDialogIfOpen();
    // Escape: closes the top dialog, else the topmost full-screen window;
    // false when neither was open (the screen then handles the key).
    bool CloseOnEscape();
    // Hides the window now and deletes it after the frame's input.
    void Close(GUI_WindowBase* window);
    // Deletes every window (leaving a game, tests).
    void CloseAll();
    void DeletePending();

    // Once per frame, before drawing.
    void Update();
    void DrawWindows();
    // Only the modal windows, in the order they became modal.
    void DrawModalWindows();
    // Full-screen windows, then dialogs, then modal windows; true when a full-screen window was drawn.
    bool DrawOverlays();
    // Routes the mouse position; true when a window took the click.
    bool OnLeftClick();
    // Routes a wheel turn at the mouse position the way clicks go; true when a window scrolled.
    bool OnWheel(int steps);

    // True when the lists agree with each other and with the windows' flags:
    // no window twice, no deleted window, modal windows flagged and shown,
    // nothing closed still modal or full screen. Otherwise *problem says what.
    bool CheckConsistency(std::string* problem = nullptr) const;

    // Tooltips queue here while the screen draws and show on top of it.
    void QueueTopLayer(GUI_Tooltip* tooltip) { mTopLayer.push_back(tooltip); }
    void DrawTopLayer();

    GUI_WindowBase* DraggedWindow() const { return mDragged; }
    void SetDraggedWindow(GUI_WindowBase* window) { mDragged = window; }

    // Lookups for scripts and tests: a visible named button of the windows
    // that take clicks now (topmost first); an open window by name.
    GUI_ButtonBase* FindButton(const std::string& name) const;
    const GUI_WindowBase* FindWindow(const std::string& name) const;

    const std::vector<GUI_WindowBase*>& Windows() const { return mWindows; }
    const std::vector<GUI_WindowBase*>& ModalStack() const { return mModal; }
    const std::vector<GUI_WindowBase*>& FullScreenList() const { return mFullScreen; }

private:
    bool IsPending(const GUI_WindowBase* window) const;
    // The windows that take clicks now, front first.
    std::vector<GUI_WindowBase*> ClickOrder() const;

    std::vector<GUI_WindowBase*> mWindows;
    std::vector<GUI_WindowBase*> mModal;
    std::vector<GUI_WindowBase*> mFullScreen;
    std::vector<GUI_WindowBase*> mPending;
    std::vector<GUI_Tooltip*> mTopLayer;
    GUI_WindowBase* mDragged = nullptr;
};

WindowManager& GetWindowManager();
