#pragma once
#include <functional>
#include <string>

// The four ways every part of the game reports a problem. Each message names
// the reporting source file (without folder and extension) and the line.
//
//   TraceMessage  - logged, the game goes on
//   AssertCheck   - logged when the condition fails, the game goes on
//   FatalError    - logged, written to stderr, shown in a box, the program ends
//
// A fatal error raised while data is being read shows first where the data
// came from (see Diagnostics::SetDataContext), then its own fixed text.
//
// Use the macros below so that file and line are filled in.

void TraceMessage(const std::string& message, const char* sourceFile, int line);
void AssertCheck(bool condition, const char* sourceFile, int line);
[[noreturn]] void FatalError(const std::string& message, const char* sourceFile, int line);

#define TRACE_MESSAGE(message) TraceMessage((message), __FILE__, __LINE__)
#define ASSERT_CHECK(condition) AssertCheck(static_cast<bool>(condition), __FILE__, __LINE__)
#define FATAL_ERROR(message) FatalError((message), __FILE__, __LINE__)

// "SourceCode/sim/SIM_Policy.cpp" -> "SIM_Policy".
std::string SourceFileName(const char* sourceFile);

// True on every system this game runs on: it chooses the documents folder for
// the user files and the suffix of assertion lines.
bool IsWindowsXP();

namespace Diagnostics {

// Exit status of the process after a fatal error.
constexpr int kFatalExitCode = 3;

// Called with the full fatal text (the data context and a line break when
// there is one, then "message:file line") after it has been
// logged and written to stderr. The game installs one that shows a message
// box; tests install one that throws. When the handler returns, the process
// ends at once, without destructors or exit handlers.
using FatalHandler = std::function<void(const std::string& line, const std::string& message)>;
FatalHandler SetFatalHandler(FatalHandler handler);

// The data being read now, as a modder should see it first in a fatal error:
// "data/simulation/policies.csv:27: #,Broken,...". Empty when none. Returns
// the previous context, so that a reader can restore it when it is done.
std::string SetDataContext(std::string context);

// The loaded mission's flag name, appended to assertion lines ("" when none).
using FlagProvider = std::function<std::string()>;
void SetMissionFlagProvider(FlagProvider provider);

// Number of failed AssertCheck calls since start (or the last reset).
int AssertionFailures();
void ResetAssertionFailures();

}  // namespace Diagnostics
