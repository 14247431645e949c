#pragma once
// Helpers shared by the model's tests.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
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

// The message of the fatal error the call raises; "" when it raises none.
template <typename Call>
std::string FatalMessageOf(Call call)
{
    FatalCatcher catcher;
    try {
        call();
    } catch (const FatalErrorRaised& e) {
        return e.message;
    }
    return "";
}

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

// For tests that run in a child process (the game object lives once per
// process): a failed check names itself on stderr and ends the child with 10.
inline void ChildCheck(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "CHECK FAILED: %s\n", what);
        std::exit(10);
    }
}

// Whole-file helpers for tests that write data files of their own.
inline void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
}

inline std::string ReadText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Limits the size of files this process may write, so that a write fails
// like on a full disk (root ignores permissions, but not this limit).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
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
    // A plain neuron, owned by the network.
    static Neuron* Named(const std::string& name, float value = 0.0f)
    {
        auto* neuron = new Neuron();
        neuron->SetName(name);
        neuron->SetValue(value);
        return neuron;
    }
};
