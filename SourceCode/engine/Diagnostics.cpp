#include "engine/Diagnostics.h"

#include <cstdio>
#include <cstdlib>

#include "engine/DebugLog.h"

namespace {
Diagnostics::FatalHandler gFatalHandler;
Diagnostics::FlagProvider gFlagProvider;
std::string gDataContext;
int gAssertionFailures = 0;

// The log lines were fixed-size buffers once; the limit is kept so that a
// runaway message cannot flood the log.
constexpr size_t kMaxLine = 511;

std::string Clip(std::string text)
{
    if (text.size() > kMaxLine)
        text.resize(kMaxLine);
    return text;
}
}  // namespace

std::string SourceFileName(const char* sourceFile)
{
    std::string name = sourceFile ? sourceFile : "";
    size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    size_t dot = name.find('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

bool IsWindowsXP() { return true; }

void TraceMessage(const std::string& message, const char* sourceFile, int line)
{
    DebugLog::Write(Clip(message + ":" + SourceFileName(sourceFile) + " " + std::to_string(line)));
}

void AssertCheck(bool condition, const char* sourceFile, int line)
{
    if (condition)
        return;
    ++gAssertionFailures;
    std::string text = "Assertion failure:filename:" + SourceFileName(sourceFile) +
                       ",linenum:" + std::to_string(line) + ",build:version";
    std::string flag = gFlagProvider ? gFlagProvider() : std::string();
    if (!flag.empty())
        text += ",flag:" + flag;
    text += IsWindowsXP() ? ",Windows XP detected" : ",Not Windows XP";
    DebugLog::Write(Clip(text));
}

void FatalError(const std::string& message, const char* sourceFile, int line)
{
    std::string fixed = Clip(message + ":" + SourceFileName(sourceFile) + " " + std::to_string(line));
    // The data's own place comes first: it is what a modder can act on.
    std::string context = gDataContext.empty() ? "" : Clip(gDataContext) + "\n";
    std::string text = context + fixed;
    // Log and stderr come first: a message box may never return on some displays.
    DebugLog::Write(text);
    std::fprintf(stderr, "%sERROR: %s\n", context.c_str(), fixed.c_str());
    std::fflush(stderr);
    if (gFatalHandler)
        gFatalHandler(text, message);
    DebugLog::Close();
    // Whatever was being loaded is half built and still on the stack: leave
    // at once, without running destructors or exit handlers over it.
    std::fflush(nullptr);
    std::_Exit(Diagnostics::kFatalExitCode);
}

namespace Diagnostics {

FatalHandler SetFatalHandler(FatalHandler handler)
{
    FatalHandler previous = std::move(gFatalHandler);
    gFatalHandler = std::move(handler);
    return previous;
}

std::string SetDataContext(std::string context)
{
    std::swap(context, gDataContext);
    return context;
}

void SetMissionFlagProvider(FlagProvider provider) { gFlagProvider = std::move(provider); }

int AssertionFailures() { return gAssertionFailures; }

void ResetAssertionFailures() { gAssertionFailures = 0; }

}  // namespace Diagnostics
