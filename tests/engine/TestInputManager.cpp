#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeClock.h"
#include "engine/CBaseInputManager.h"
#include "platform/ScanCodes.h"

namespace {

// Writes down every call the manager makes, with the cursor at that moment.
class RecordingInput : public CBaseInputManager {
public:
    explicit RecordingInput(const Clock& clock) : CBaseInputManager(clock) { Initialise(); }
    std::vector<std::string> calls;

    void OnWheelUp() override { calls.push_back("wheel up"); }
    void OnWheelDown() override { calls.push_back("wheel down"); }
    void OnLeftButtonDown() override
    {
        CBaseInputManager::OnLeftButtonDown();
        calls.push_back("left down " + Where());
    }
    void OnLeftButtonUp() override
    {
        CBaseInputManager::OnLeftButtonUp();
        calls.push_back("left up " + Where());
    }
    void OnRightButtonDown() override { calls.push_back("right down " + Where()); }
    void OnRightButtonUp() override { calls.push_back("right up " + Where()); }
    void OnKeyDown(int scanCode) override
    {
        calls.push_back("key " + std::to_string(scanCode) + (IsShiftDown() ? " shift" : ""));
    }

    std::string Where() const
    {
        return std::to_string(static_cast<int>(MouseX)) + "," + std::to_string(static_cast<int>(MouseY));
    }
    void Click(float x, float y)
    {
        QueueRecord(InputRecord::Motion(x, y, 0, 0));
        QueueRecord(InputRecord::Button(true, 0, x, y));
        QueueRecord(InputRecord::Button(false, 0, x, y));
    }
};

TEST(InputManager, PressAndReleaseInOneFrameAreBothDeliveredWhereTheyHappened)
{
    FakeClock clock;
    RecordingInput input(clock);
    input.QueueRecord(InputRecord::Motion(50, 60, 5, 5));
    input.QueueRecord(InputRecord::Button(true, 0, 50, 60));
    input.QueueRecord(InputRecord::Motion(70, 80, 20, 20));
    input.QueueRecord(InputRecord::Button(false, 0, 70, 80));
    input.QueueRecord(InputRecord::Button(true, 1, 70, 80));
    input.QueueRecord(InputRecord::Button(false, 1, 71, 81));
    input.Update();
    EXPECT_EQ(input.calls, (std::vector<std::string>{"left down 50,60", "left up 70,80", "right down 70,80",
                                                     "right up 71,81"}));
    EXPECT_FALSE(input.LeftHeld);
    EXPECT_EQ(input.DeltaX, 25);
    EXPECT_EQ(input.QueuedRecordCount(), 0u);
}

TEST(InputManager, AFloodOfMotionIsMergedSoNoButtonIsLost)
{
    FakeClock clock;
    RecordingInput input(clock);
    for (int i = 0; i < 20000; ++i)
        input.QueueRecord(InputRecord::Motion(static_cast<float>(i % 500), 10, 1, 0));
    input.QueueRecord(InputRecord::Button(true, 0, 300, 10));
    for (int i = 0; i < 20000; ++i)
        input.QueueRecord(InputRecord::Motion(static_cast<float>(i % 500), 20, 0, 1));
    input.QueueRecord(InputRecord::Button(false, 0, 400, 20));
    EXPECT_EQ(input.QueuedRecordCount(), 4u);
    input.Update();
    EXPECT_EQ(input.calls, (std::vector<std::string>{"left down 300,10", "left up 400,20"}));
    EXPECT_EQ(input.DeltaX, 20000);
    EXPECT_EQ(input.DeltaY, 20000);
}

TEST(InputManager, DoubleClickNeedsLessThan500MsAndLessThan32Pixels)
{
    FakeClock clock;
    RecordingInput input(clock);
    clock.Advance(1000);
    input.Click(100, 100);
    input.Update();
    EXPECT_FALSE(input.DoubleClick);

    clock.Advance(499);
    input.Click(131, 100);
    input.Update();
    EXPECT_TRUE(input.DoubleClick);

    clock.Advance(500);
    input.Click(131, 100);
    input.Update();
    EXPECT_FALSE(input.DoubleClick);

    clock.Advance(10);
    input.Click(163, 100);  // 32 pixels from the last press
    input.Update();
    EXPECT_FALSE(input.DoubleClick);
    EXPECT_FLOAT_EQ(input.ClickX, 163.0f);
}

TEST(InputManager, ReleasesWithoutTheirPressAreSkippedAndRightReleaseKeepsTheLeftHeld)
{
    FakeClock clock;
    RecordingInput input(clock);
    input.QueueRecord(InputRecord::Button(false, 0, 10, 10));
    input.QueueRecord(InputRecord::Button(false, 1, 10, 10));
    input.Update();
    EXPECT_TRUE(input.calls.empty());

    // Dragging with the left button while tapping the right one.
    input.QueueRecord(InputRecord::Button(true, 0, 10, 10));
    input.QueueRecord(InputRecord::Button(true, 1, 10, 10));
    input.QueueRecord(InputRecord::Button(false, 1, 10, 10));
    input.Update();
    EXPECT_TRUE(input.LeftHeld);
    EXPECT_EQ(input.calls.back(), "right up 10,10");
}

TEST(InputManager, SwappedButtonsDriveTheOtherHandlers)
{
    FakeClock clock;
    RecordingInput input(clock);
    input.ButtonsSwapped = true;
    input.QueueRecord(InputRecord::Button(true, 1, 5, 5));
    input.QueueRecord(InputRecord::Button(false, 1, 5, 5));
    input.QueueRecord(InputRecord::Button(true, 0, 5, 5));
    input.QueueRecord(InputRecord::Button(false, 0, 5, 5));
    input.Update();
    EXPECT_EQ(input.calls, (std::vector<std::string>{"left down 5,5", "left up 5,5", "right down 5,5",
                                                     "right up 5,5"}));
}

TEST(InputManager, CursorStaysOnScreenAndStillFramesCountTheHover)
{
    FakeClock clock;
    RecordingInput input(clock);
    input.SetScreenSize(1024, 768);
    input.QueueRecord(InputRecord::Motion(-50, 900, -150, 800));
    input.Update();
    EXPECT_FLOAT_EQ(input.MouseX, 0.0f);
    EXPECT_FLOAT_EQ(input.MouseY, 768.0f);
    EXPECT_EQ(input.StillFrames, 0);

    input.Update();
    input.QueueRecord(InputRecord::Motion(11, 757, 11, -11));
    input.Update();
    EXPECT_EQ(input.StillFrames, 2);
    input.QueueRecord(InputRecord::Motion(12, 757, 1, 0));
    input.Update();
    EXPECT_EQ(input.StillFrames, 0);
    EXPECT_FLOAT_EQ(input.LastX, 12.0f);
    EXPECT_EQ(input.GetMousePosition().x, 12);
}

TEST(InputManager, KeyStateFollowsTheRecordsInOrder)
{
    FakeClock clock;
    RecordingInput input(clock);
    input.QueueRecord(InputRecord::Key(true, ScanCode::A));
    input.QueueRecord(InputRecord::Key(true, ScanCode::RightShift));
    input.QueueRecord(InputRecord::Key(true, ScanCode::B));
    input.QueueRecord(InputRecord::Key(false, ScanCode::RightShift));
    input.QueueRecord(InputRecord::Key(true, ScanCode::C));
    input.QueueRecord(InputRecord::Key(false, ScanCode::C));
    input.QueueRecord(InputRecord::Wheel(-1));
    input.QueueRecord(InputRecord::Key(true, 999));  // out of range: ignored
    input.Update();
    EXPECT_EQ(input.calls, (std::vector<std::string>{"key 30", "key 54 shift", "key 48 shift", "key 46",
                                                     "wheel down"}));
    EXPECT_TRUE(input.IsKeyDown(ScanCode::A));
    EXPECT_FALSE(input.IsKeyDown(ScanCode::C));
    EXPECT_FALSE(input.IsShiftDown());
    EXPECT_FALSE(input.IsKeyDown(-1));
    EXPECT_EQ(input.DeltaWheel, -120);
}

}  // namespace
