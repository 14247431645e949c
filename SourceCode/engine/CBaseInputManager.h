#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Clock.h"
#include "platform/InputRecord.h"

// Keeps the cursor, button, double-click, hover-delay and keyboard state, and
// turns the frame's buffered keyboard and mouse records into calls of its
// virtual operations. The platform layer queues the records as they arrive;
// Update() handles all of them once per frame, in arrival order.
class CBaseInputManager {
public:
    struct MousePosition {
        int x;
        int y;
    };

    explicit CBaseInputManager(const Clock& clock = Clock::System());
    virtual ~CBaseInputManager() = default;

    // Resets the click timing; called at start-up and after the display is re-created.
    void Initialise();

    // Adds one record to this frame's buffer. Consecutive motion records are
    // merged into one, so a fast mouse can never push a button record out.
    void QueueRecord(const InputRecord& record);
    size_t QueuedRecordCount() const { return mQueue.size(); }
    // Takes the queued records without calling any handler: the cursor moves
    // and the key state follows, but presses are dropped. Used while long work
    // draws its progress frames, when nothing on screen may react.
    void SwallowQueuedRecords();

    // The cursor stays inside (0, 0)..(width, height).
    void SetScreenSize(float width, float height);

    virtual void Update();
    virtual void OnWheelUp() {}
    virtual void OnWheelDown() {}
    virtual void OnLeftButtonDown();
    virtual void OnLeftButtonUp();
    virtual void OnRightButtonDown() {}
    virtual void OnRightButtonUp() {}
    virtual void OnKeyDown(int scanCode) { (void)scanCode; }

    bool IsKeyDown(int scanCode) const;
    bool IsShiftDown() const;
    MousePosition GetMousePosition() const;

    // Read directly by interface code.
    float MouseX = 100.0f;
    float MouseY = 100.0f;
    bool LeftHeld = false;
    int StillFrames = 0;           // frames the cursor stayed within 12 pixels; tooltip delay
    float LastX = 0.0f;
    float LastY = 0.0f;
    std::array<uint8_t, 256> KeyState{};
    int DeltaX = 0;                // this frame's relative motion
    int DeltaY = 0;
    int DeltaWheel = 0;
    float LastClickTime = 0.0f;
    bool DoubleClick = false;
    float DoubleClickTime = 500.0f;
    float ClickX = 0.0f;
    float ClickY = 0.0f;
    float Sensitivity = 1.0f;
    bool ButtonsSwapped = false;   // the desktop already swaps buttons for us

    // Records kept per frame at most; beyond it the oldest are dropped (logged once).
    static constexpr size_t kMaxQueuedRecords = 4096;

protected:
    const Clock& GetClock() const { return *mClock; }
    // Asked after every handled record; false drops the rest of the frame's
    // records (a handler has shut the game down).
    virtual bool KeepsHandling() const { return true; }

private:
    void MoveCursorTo(float x, float y);
    void HandleButton(bool pressed, int physicalButton);
    float Now() const;

    const Clock* mClock;
    std::vector<InputRecord> mQueue;
    bool mRightHeld = false;
    bool mOverflowReported = false;
    float mScreenWidth = 1024.0f;
    float mScreenHeight = 768.0f;
};
