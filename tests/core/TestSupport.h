#pragma once
// Helpers shared by the model's tests.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/DebugLog.h"
#include "engine/Diagnostics.h"

// Thrown by the fatal handler that FatalCatcher installs.
struct FatalErrorRaised : std::runtime_error {
    FatalErrorRaised(const std::string& line_, const std::string& message_)
        : std::runtime_error(line_), line(line_), message(message_) {}
    std::string line;     // "message:File line"
    std::string message;  // the message alone
};

// While alive, FatalError throws FatalErrorRaised instead of ending the process.
class FatalCatcher {
public:
    FatalCatcher()
        : previous_(Diagnostics::SetFatalHandler([](const std::string& line, const std::string& message) {
              throw FatalErrorRaised(line, message);
          })) {}
    ~FatalCatcher() { Diagnostics::SetFatalHandler(previous_); }

private:
    Diagnostics::FatalHandler previous_;
};

// Collects every line written to the debug log while alive.
class LogCapture {
public:
    LogCapture() { DebugLog::SetObserver([this](const std::string& line) { lines_.push_back(line); }); }
    ~LogCapture() { DebugLog::SetObserver(nullptr); }
    const std::vector<std::string>& Lines() const { return lines_; }
    bool Contains(const std::string& text) const
    {
        for (const auto& line : lines_)
            if (line.find(text) != std::string::npos)
                return true;
        return false;
    }
    void Clear() { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};

// A fresh temporary folder, removed with everything in it when the object dies.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "rulecraft-test-XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (!mkdtemp(buffer.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = buffer.data();
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Starts and ends every test with an empty network, links maintained.
#include <gtest/gtest.h>

#include "sim/NeuralEffect.h"
#include "sim/Neuron.h"

class NetworkTest : public ::testing::Test {
protected:
    void SetUp() override { ResetNetwork(); }
    void TearDown() override { ResetNetwork(); }
    static void ResetNetwork()
    {
        SetRunning(true);
        NeuralEffect::SetInitialising(false);
        Neuron::ClearNetwork();
        SetRunning(false);
        NeuralEffect::ClearEffects();
        SetRunning(true);
    }
};
