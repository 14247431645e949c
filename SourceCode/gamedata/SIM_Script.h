#pragma once
#include <array>
#include <string>
#include <vector>

// The interpreter of the one-line command scripts that data files attach to
// happenings: "Name(arg, arg);Name2()". A script text is the path of a script
// file (whose first line is the command list) only when it ends in ".txt"
// and holds no parenthesis; anything else is the command list itself.
// Unknown commands and bad arguments are fatal data errors.
class SIM_Script {
public:
    static constexpr int kSlotCount = 6;
    // Scripts that trigger events whose scripts trigger events...: deeper
    // than this the run stops with a logged error instead of recursing forever.
    static constexpr int kMaxDepth = 8;

    static SIM_Script& Get();

    void Run(const std::string& script);

    // The commands of a list: split at ';' outside double quotes (quotes kept),
    // each with its line-end spaces removed; empty commands are dropped.
    static std::vector<std::string> SplitCommands(const std::string& list);
    static bool IsScriptFile(const std::string& script);

    // The argument slots as the last command left them.
    const std::array<std::string, kSlotCount>& Slots() const { return mSlots; }
    const std::string& CurrentCommand() const { return mCommand; }

private:
    SIM_Script() = default;
    void RunCommand(const std::string& command);
    // Splits "Name(args)" into the name and the argument slots.
    void ParseCommand(const std::string& command);
    bool RunPlainCommand();
    bool RunArgumentCommand();

    std::string mCommand;
    std::array<std::string, kSlotCount> mSlots;
    int mDepth = 0;
};
