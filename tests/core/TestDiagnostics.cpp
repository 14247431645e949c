#include <gtest/gtest.h>

#include <vector>

#include "engine/DebugLog.h"
#include "engine/Diagnostics.h"
#include "TestSupport.h"

namespace {


TEST(Diagnostics, SourceFileNameDropsFolderAndExtension)
{
    EXPECT_EQ(SourceFileName("SourceCode/sim/SIM_Policy.cpp"), "SIM_Policy");
    EXPECT_EQ(SourceFileName("C:\\game\\Neuron.cpp"), "Neuron");
    EXPECT_EQ(SourceFileName("plain"), "plain");
}

TEST(Diagnostics, LogFileFramesEveryLineAndTraceNamesFileAndLine)
{
    TempDir dir;
    std::string path = dir.Path() + "/debug.txt";
    DebugLog::Open(path);
    TraceMessage("Failed to find neuron", "src/sim/Neuron.cpp", 42);
    DebugLog::Close();
    EXPECT_EQ(ReadText(path), "----DEBUG FILE----\nFailed to find neuron:Neuron 42\nEND DEBUG---\n");
}

TEST(Diagnostics, MissingFolderKeepsTheLogSilent)
{
    DebugLog::Open("/nonexistent-folder-for-rulecraft/debug.txt");
    EXPECT_FALSE(DebugLog::IsOpen());
    TraceMessage("still runs", __FILE__, __LINE__);  // must not crash
    DebugLog::Close();
}

TEST(Diagnostics, AssertionLineWithAndWithoutMissionFlag)
{
    LogCapture log;
    int before = Diagnostics::AssertionFailures();
    AssertCheck(true, "x.cpp", 1);
    EXPECT_TRUE(log.Lines().empty());
    AssertCheck(false, "sim/SIM_Voter.cpp", 77);
    Diagnostics::SetMissionFlagProvider([] { return std::string("flag_of_testland"); });
    AssertCheck(false, "sim/SIM_Voter.cpp", 78);
    Diagnostics::SetMissionFlagProvider(nullptr);
    ASSERT_EQ(log.Lines().size(), 2u);
    EXPECT_EQ(log.Lines()[0], "Assertion failure:filename:SIM_Voter,linenum:77,build:version,Windows XP detected");
    EXPECT_EQ(log.Lines()[1],
              "Assertion failure:filename:SIM_Voter,linenum:78,build:version,flag:flag_of_testland,Windows XP detected");
    EXPECT_EQ(Diagnostics::AssertionFailures(), before + 2);
}

TEST(Diagnostics, FatalErrorIsLoggedBeforeTheHandlerRunsAndNamesTheDataFirst)
{
    LogCapture log;
    FatalCatcher catcher;
    for (const std::string context : {"", "data/simulation/policies.csv:27: #,Broken"}) {
        std::string previous = Diagnostics::SetDataContext(context);
        std::string expected = (context.empty() ? "" : context + "\n") + "missing comma:Neuron 12";
        try {
            FatalError("missing comma", "sim/Neuron.cpp", 12);
            ADD_FAILURE() << "FatalError returned";
        } catch (const FatalErrorRaised& e) {
            EXPECT_EQ(e.message, "missing comma");
            EXPECT_EQ(e.line, expected);
        }
        Diagnostics::SetDataContext(previous);
        ASSERT_FALSE(log.Lines().empty());
        EXPECT_EQ(log.Lines().back(), expected);
    }
}

TEST(Diagnostics, OverlongMessagesAreClipped)
{
    LogCapture log;
    TraceMessage(std::string(2000, 'a'), "f.cpp", 1);
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_EQ(log.Lines()[0].size(), 511u);
}

TEST(Diagnostics, FatalExitsWithStatusThreeWithoutHandler)
{
    EXPECT_EXIT(FatalError("Failed to get mydocuments", "Folders.cpp", 9), ::testing::ExitedWithCode(3),
                "Failed to get mydocuments:Folders 9");
}

}  // namespace
