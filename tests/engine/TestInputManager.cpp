#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeClock.h"
#include "engine/CBaseInputManager.h"
#include "platform/ScanCodes.h"

namespace {

// Notes which handler each press reached and where the cursor was then.
class RecordingInput : public CBaseInputManager {
public:
    explicit RecordingInput(const Clock& clock) : CBaseInputManager(clock) { Initialise(); }
    std::vector<std::string> seen;

    void OnWheelDown() override { seen.push_back("wheel down"); }
    void OnLeftButtonDown() override
    {
        CBaseInputManager::OnLeftButtonDown();
        seen.push_back("left down " + Where());
    }
    void OnLeftButtonUp() override
    {
        CBaseInputManager::OnLeftButtonUp();
        seen.push_back("left up " + Where());
    }
    void OnRightButtonDown() override { seen.push_back("right down " + Where()); }
    void OnRightButtonUp() override { seen.push_back("right up " + Where()); }
    void OnKeyDown(int scanCode) override { seen.push_back("key " + std::to_string(scanCode) + (IsShiftDown() ? "+" : "")); }

    std::string Where() const { return std::to_string(int(MouseX)) + "," + std::to_string(int(MouseY)); }
    void Frame(std::initializer_list<InputRecord> records)
    {
        for (const InputRecord& record : records)
            QueueRecord(record);
        Update();
    }
    void Click(float x, float y)
    {
        Frame({InputRecord::Motion(x, y, 0, 0), InputRecord::Button(true, 0, x, y), InputRecord::Button(false, 0, x, y)});
    }
};

class InputManager : public ::testing::Test {
protected:
    FakeClock clock;
    RecordingInput input{clock};
};

TEST_F(InputManager, PressAndReleaseInOneFrameAreBothDeliveredWhereTheyHappened)
{
    for (bool swapped : {false, true}) {
        RecordingInput buttons(clock);
        // With swapped buttons the desktop has already swapped them: the other handlers run.
        buttons.ButtonsSwapped = swapped;
        const int left = swapped ? 1 : 0, right = 1 - left;
        buttons.Frame({InputRecord::Motion(50, 60, 5, 5), InputRecord::Button(true, left, 50, 60),
                       InputRecord::Motion(70, 80, 20, 20), InputRecord::Button(false, left, 70, 80),
                       InputRecord::Button(true, right, 70, 80), InputRecord::Button(false, right, 71, 81)});
        EXPECT_EQ(buttons.seen, (std::vector<std::string>{"left down 50,60", "left up 70,80", "right down 70,80",
                                                          "right up 71,81"}));
        EXPECT_FALSE(buttons.LeftHeld);
        EXPECT_EQ(buttons.DeltaX, 25);
    }
}

TEST_F(InputManager, AFloodOfMotionIsMergedSoNoButtonIsLost)
{
    for (int i = 0; i < 20000; ++i)
        input.QueueRecord(InputRecord::Motion(static_cast<float>(i % 500), 10, 1, 0));
    input.QueueRecord(InputRecord::Button(true, 0, 300, 10));
    for (int i = 0; i < 20000; ++i)
        input.QueueRecord(InputRecord::Motion(static_cast<float>(i % 500), 20, 0, 1));
    input.QueueRecord(InputRecord::Button(false, 0, 400, 20));
    EXPECT_EQ(input.QueuedRecordCount(), 4u);
    input.Update();
    EXPECT_EQ(input.seen, (std::vector<std::string>{"left down 300,10", "left up 400,20"}));
    EXPECT_EQ(input.DeltaX, 20000);
    EXPECT_EQ(input.DeltaY, 20000);
}

TEST_F(InputManager, DoubleClickNeedsLessThan500MsAndLessThan32Pixels)
{
    const struct {
        uint32_t after;
        float x;
        bool isDouble;
    } clicks[] = {{1000, 100, false}, {499, 131, true}, {500, 131, false}, {10, 163, false}};
    for (const auto& click : clicks) {
        clock.Advance(click.after);
        input.Click(click.x, 100);
        EXPECT_EQ(input.DoubleClick, click.isDouble) << click.after << " ms later at " << click.x;
        EXPECT_FLOAT_EQ(input.ClickX, click.x);
    }
}

TEST_F(InputManager, ReleasesWithoutTheirPressAreSkippedAndRightReleaseKeepsTheLeftHeld)
{
    input.Frame({InputRecord::Button(false, 0, 10, 10), InputRecord::Button(false, 1, 10, 10)});
    EXPECT_TRUE(input.seen.empty());
    // Dragging with the left button while tapping the right one.
    input.Frame({InputRecord::Button(true, 0, 10, 10), InputRecord::Button(true, 1, 10, 10),
                 InputRecord::Button(false, 1, 10, 10)});
    EXPECT_TRUE(input.LeftHeld);
    EXPECT_EQ(input.seen.back(), "right up 10,10");
}

TEST_F(InputManager, CursorStaysOnScreenAndStillFramesCountTheHover)
{
    input.SetScreenSize(1024, 768);
    input.Frame({InputRecord::Motion(-50, 900, -150, 800)});
    EXPECT_FLOAT_EQ(input.MouseX, 0.0f);
    EXPECT_FLOAT_EQ(input.MouseY, 768.0f);
    EXPECT_EQ(input.StillFrames, 0);
    input.Frame({});
    input.Frame({InputRecord::Motion(11, 757, 11, -11)});  // within 12 pixels
    EXPECT_EQ(input.StillFrames, 2);
    input.Frame({InputRecord::Motion(12, 757, 1, 0)});
    EXPECT_EQ(input.StillFrames, 0);
    EXPECT_EQ(input.GetMousePosition().x, 12);
}

TEST_F(InputManager, KeyStateFollowsTheRecordsInOrder)
{
    input.Frame({InputRecord::Key(true, ScanCode::A), InputRecord::Key(true, ScanCode::RightShift),
                 InputRecord::Key(true, ScanCode::B), InputRecord::Key(false, ScanCode::RightShift),
                 InputRecord::Key(true, ScanCode::C), InputRecord::Key(false, ScanCode::C), InputRecord::Wheel(-1),
                 InputRecord::Key(true, 999)});  // out of range: ignored
    EXPECT_EQ(input.seen, (std::vector<std::string>{"key 30", "key 54+", "key 48+", "key 46", "wheel down"}));
    EXPECT_TRUE(input.IsKeyDown(ScanCode::A));
    EXPECT_FALSE(input.IsKeyDown(ScanCode::C));
    EXPECT_FALSE(input.IsShiftDown());
    EXPECT_FALSE(input.IsKeyDown(-1));
    EXPECT_EQ(input.DeltaWheel, -120);
}

}  // namespace
