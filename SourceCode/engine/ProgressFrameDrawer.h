#pragma once

// Long work (setting up a game, processing a turn, saving) runs inside one
// input handler, so no frame is drawn meanwhile. At each progress step the work
// calls ProgressFrameDrawer::DrawFrame(): the game draws one frame there and
// answers pending window events, so the window never looks hung. The model
// code needs nothing but this header; the game installs the drawer at start-up,
// and without one (tests, the headless runner) DrawFrame does nothing.
class ProgressFrameDrawer {
public:
    virtual ~ProgressFrameDrawer() = default;
    virtual void DrawProgressFrame() = 0;

    static void Install(ProgressFrameDrawer* drawer) { installed_ = drawer; }
    static ProgressFrameDrawer* Installed() { return installed_; }
    static void DrawFrame()
    {
        if (installed_)
            installed_->DrawProgressFrame();
    }

private:
    static inline ProgressFrameDrawer* installed_ = nullptr;
};
