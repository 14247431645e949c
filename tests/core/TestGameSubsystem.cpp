#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/GameSubsystem.h"

namespace {

std::vector<std::string> gReleased;

// Records its release; may destroy another subsystem while releasing.
class Recorder : public GameSubsystem {
public:
    explicit Recorder(std::string name) : mName(std::move(name)) {}
    void Release() override
    {
        gReleased.push_back(mName);
        delete victim;
        victim = nullptr;
    }
    Recorder* victim = nullptr;  // registered after this one

private:
    std::string mName;
};

TEST(GameSubsystem, ReleasedInRegistrationOrderAndForgottenWhenDestroyed)
{
    gReleased.clear();
    size_t before = GameSubsystem::Registry().size();
    {
        Recorder first("first");
        Recorder second("second");
        EXPECT_EQ(GameSubsystem::Registry().back(), &second);
        for (GameSubsystem* subsystem : GameSubsystem::Registry())
            if (subsystem == &first || subsystem == &second)
                subsystem->Release();
        EXPECT_EQ(gReleased, (std::vector<std::string>{"first", "second"}));
    }
    EXPECT_EQ(GameSubsystem::Registry().size(), before);
}

TEST(GameSubsystem, AReleaseThatDestroysALaterSubsystemIsSafe)
{
    gReleased.clear();
    auto* killer = new Recorder("killer");
    killer->victim = new Recorder("victim");
    GameSubsystem::ReleaseAll();  // the process's other subsystems release their (empty) games too
    // The victim was destroyed by the killer's Release before its own turn came.
    EXPECT_EQ(std::count(gReleased.begin(), gReleased.end(), "victim"), 0);
    EXPECT_EQ(std::count(gReleased.begin(), gReleased.end(), "killer"), 1);
    delete killer;
}

}  // namespace
