#include "engine/CBaseInputManager.h"

#include <cmath>

#include "engine/Diagnostics.h"
#include "platform/ScanCodes.h"

CBaseInputManager::CBaseInputManager(const Clock& clock) : mClock(&clock) {}

void CBaseInputManager::Initialise()
{
    DoubleClickTime = 500.0f;
    DoubleClick = false;
    LastClickTime = Now();
    ButtonsSwapped = false;
}

float CBaseInputManager::Now() const { return static_cast<float>(mClock->MillisecondsAsDouble()); }

void CBaseInputManager::QueueRecord(const InputRecord& record)
{
    if (record.type == InputRecord::Type::Motion && !mQueue.empty() &&
        mQueue.back().type == InputRecord::Type::Motion) {
        InputRecord& last = mQueue.back();
        last.x = record.x;
        last.y = record.y;
        last.deltaX += record.deltaX;
        last.deltaY += record.deltaY;
        return;
    }
    if (mQueue.size() >= kMaxQueuedRecords) {
        // Only a stalled frame loop gets here; keep the newest input.
        if (!mOverflowReported) {
            TRACE_MESSAGE("Input buffer overflow, dropping old records");
            mOverflowReported = true;
        }
        mQueue.erase(mQueue.begin());
    }
    mQueue.push_back(record);
}

void CBaseInputManager::SetScreenSize(float width, float height)
{
    mScreenWidth = width;
    mScreenHeight = height;
    MoveCursorTo(MouseX, MouseY);
}

void CBaseInputManager::MoveCursorTo(float x, float y)
{
    MouseX = std::fmin(std::fmax(x, 0.0f), mScreenWidth);
    MouseY = std::fmin(std::fmax(y, 0.0f), mScreenHeight);
}

void CBaseInputManager::Update()
{
    DeltaX = 0;
    DeltaY = 0;
    DeltaWheel = 0;
    // Handlers may queue more input (a test, a script); those wait for the next frame.
    std::vector<InputRecord> records;
    records.swap(mQueue);
    for (const InputRecord& record : records) {
        switch (record.type) {
        case InputRecord::Type::Motion:
            DeltaX += static_cast<int>(static_cast<float>(record.deltaX) * Sensitivity);
            DeltaY += static_cast<int>(static_cast<float>(record.deltaY) * Sensitivity);
            MoveCursorTo(record.x, record.y);
            break;
        case InputRecord::Type::Wheel:
            if (record.wheel < 0)
                OnWheelDown();
            else
                OnWheelUp();
            DeltaWheel += record.wheel * 120;
            break;
        case InputRecord::Type::ButtonDown:
        case InputRecord::Type::ButtonUp:
            // Every transition is handled where it happened, so a quick click
            // (press and release in one frame) lands where the cursor was.
            MoveCursorTo(record.x, record.y);
            HandleButton(record.type == InputRecord::Type::ButtonDown, record.button);
            break;
        case InputRecord::Type::KeyDown:
            if (record.scanCode >= 0 && record.scanCode < 256) {
                KeyState[record.scanCode] = 0x80;
                OnKeyDown(record.scanCode);
            }
            break;
        case InputRecord::Type::KeyUp:
            if (record.scanCode >= 0 && record.scanCode < 256)
                KeyState[record.scanCode] = 0;
            break;
        }
        if (!KeepsHandling())
            break;
    }
    if (std::fabs(LastX - MouseX) < 12.0f && std::fabs(LastY - MouseY) < 12.0f) {
        ++StillFrames;
    } else {
        StillFrames = 0;
        LastX = MouseX;
        LastY = MouseY;
    }
}

void CBaseInputManager::SwallowQueuedRecords()
{
    std::vector<InputRecord> records;
    records.swap(mQueue);
    for (const InputRecord& record : records) {
        if (record.type == InputRecord::Type::Motion)
            MoveCursorTo(record.x, record.y);
        else if (record.type == InputRecord::Type::KeyUp && record.scanCode >= 0 && record.scanCode < 256)
            KeyState[record.scanCode] = 0;
        else if (record.type == InputRecord::Type::ButtonUp)
            ((record.button == 0) != ButtonsSwapped ? LeftHeld : mRightHeld) = false;
        // A swallowed press leaves its key or button up; its release is then skipped.
    }
}

void CBaseInputManager::HandleButton(bool pressed, int physicalButton)
{
    if (physicalButton != 0 && physicalButton != 1)
        return;
    bool left = (physicalButton == 0) != ButtonsSwapped;
    if (pressed) {
        if (left) {
            OnLeftButtonDown();
        } else {
            mRightHeld = true;
            OnRightButtonDown();
        }
        return;
    }
    // A release without its press (the press happened outside the window) is skipped.
    if (left) {
        if (LeftHeld)
            OnLeftButtonUp();
    } else if (mRightHeld) {
        mRightHeld = false;
        OnRightButtonUp();
    }
}

void CBaseInputManager::OnLeftButtonDown()
{
    LeftHeld = true;
    float now = Now();
    float elapsed = now - LastClickTime;
    LastClickTime = now;
    DoubleClick = false;
    float distance = std::sqrt((ClickX - MouseX) * (ClickX - MouseX) + (ClickY - MouseY) * (ClickY - MouseY));
    if (elapsed < DoubleClickTime && distance < 32.0f)
        DoubleClick = true;
    ClickX = MouseX;
    ClickY = MouseY;
}

void CBaseInputManager::OnLeftButtonUp() { LeftHeld = false; }

bool CBaseInputManager::IsKeyDown(int scanCode) const
{
    return scanCode >= 0 && scanCode < 256 && KeyState[scanCode] != 0;
}

bool CBaseInputManager::IsShiftDown() const
{
    return IsKeyDown(ScanCode::LeftShift) || IsKeyDown(ScanCode::RightShift);
}

CBaseInputManager::MousePosition CBaseInputManager::GetMousePosition() const
{
    return {static_cast<int>(MouseX), static_cast<int>(MouseY)};
}
