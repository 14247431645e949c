#include "engine/AutoplayScript.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/DebugLog.h"
#include "engine/Game.h"
#include "engine/ShellHooks.h"
#include "platform/ScanCodes.h"
#include "platform/PlatformFiles.h"
#include "platform/sdl/ImageWriter.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlVideo.h"

namespace {

bool IsNumber(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// A key by name, or by its scan code in decimal; -1 when unknown.
int KeyCode(const std::string& name)
{
    struct Named {
        const char* name;
        int code;
    };
    static const Named kKeys[] = {
        {"Escape", ScanCode::Escape}, {"Return", ScanCode::Return}, {"Space", ScanCode::Space},
        {"Backspace", ScanCode::Backspace}, {"F11", ScanCode::F11}, {"F12", ScanCode::F12},
    };
    if (IsNumber(name))
        return std::stoi(name);
    for (const Named& key : kKeys)
        if (name == key.name)
            return key.code;
    if (name.size() >= 2 && name[0] == 'F' && IsNumber(name.substr(1))) {
        const int n = std::stoi(name.substr(1));
        if (n >= 1 && n <= 10)
            return ScanCode::F1 + n - 1;
    }
    return -1;
}

// Reads the arguments of one command; false when they do not fit it.
bool ReadArguments(const std::vector<std::string>& words, AutoplayScript::Command& command)
{
    const std::string& name = command.name;
    if (name == "wait" || name == "expect-state" || name == "timeout") {
        if (words.size() != 1 || !IsNumber(words[0]))
            return false;
        command.a = std::stoi(words[0]);
        return true;
    }
    if (name == "key") {
        command.a = words.size() == 1 ? KeyCode(words[0]) : -1;
        return command.a >= 0;
    }
    if (name == "expect-window" || name == "dump-windows" || name == "screenshot") {
        if (words.size() != 1)
            return false;
        command.text = words[0];
        return true;
    }
    if (name == "click" || name == "click-if") {
        // Button names never are numbers, so "click 512" is a missing coordinate.
        if (words.size() == 1 && !IsNumber(words[0])) {
            command.text = words[0];
            return true;
        }
        if (name == "click-if" || words.size() != 2 || !IsNumber(words[0]) || !IsNumber(words[1]))
            return false;
        command.a = std::stoi(words[0]);
        command.b = std::stoi(words[1]);
        return true;
    }
    return false;
}

}  // namespace

bool AutoplayScript::Load(const std::string& path, std::string* error)
{
    std::string text;
    if (!PlatformFiles::ReadFile(path, text)) {
        if (error)
            *error = "cannot read autoplay script " + path;
        return false;
    }
    return Parse(text, path, error);
}

bool AutoplayScript::Parse(const std::string& text, const std::string& fileName, std::string* error)
{
    mCommands.clear();
    mFileName = fileName;
    int lineNumber = 0;
    for (const std::string& raw : PlatformFiles::SplitLines(text)) {
        ++lineNumber;
        std::istringstream line(raw);
        std::string verb;
        if (!(line >> verb) || verb[0] == '#')
            continue;
        Command command;
        command.name = verb;
        command.line = lineNumber;
        std::vector<std::string> words;
        for (std::string word; line >> word;)
            words.push_back(word);
        if (!ReadArguments(words, command)) {
            if (error)
                *error = fileName + " line " + std::to_string(lineNumber) + ": cannot read \"" + raw + "\"";
            mCommands.clear();
            return false;
        }
        if (command.name == "timeout")
            mTimeoutFrames = command.a;
        else
            mCommands.push_back(std::move(command));
    }
    return true;
}

void AutoplayScript::Attach(Game& game)
{
    game.AfterFrame = [this, &game](long frame) { AfterFrame(game, frame); };
}

void AutoplayScript::Fail(Game& game, int exitCode, const std::string& message)
{
    std::fprintf(stderr, "autoplay: %s\n", message.c_str());
    DebugLog::Write("autoplay: " + message);
    game.Quit(exitCode);
}

void AutoplayScript::AfterFrame(Game& game, long frame)
{
    if (game.IsQuitPosted())
        return;
    if (frame >= mTimeoutFrames) {
        Fail(game, kTimedOut, "still running after " + std::to_string(mTimeoutFrames) + " frames");
        return;
    }
    while (mNext < mCommands.size() && frame >= mResumeAtFrame) {
        const Command& command = mCommands[mNext++];
        mResumeAtFrame = frame;
        if (!Run(game, command))
            return;
    }
}

bool AutoplayScript::Run(Game& game, const Command& command)
{
    const std::string where = mFileName + " line " + std::to_string(command.line) + ": ";
    const long frame = game.FramesDrawn();
    if (command.name == "wait") {
        mResumeAtFrame = frame + command.a;
    } else if (command.name == "click" && !command.text.empty()) {
        int x = 0;
        int y = 0;
        if (!ShellHooks::FindButton(command.text, x, y)) {
            Fail(game, kExpectationFailed, where + "no button " + command.text + " takes clicks now");
            return false;
        }
        SdlEvents::InjectClick(x, y);
        mResumeAtFrame = frame + 1;
    } else if (command.name == "click-if") {
        int x = 0;
        int y = 0;
        if (ShellHooks::FindButton(command.text, x, y)) {
            SdlEvents::InjectClick(x, y);
            mResumeAtFrame = frame + 1;
        }
    } else if (command.name == "click") {
        SdlEvents::InjectClick(command.a, command.b);
        mResumeAtFrame = frame + 1;
    } else if (command.name == "key") {
        SdlEvents::InjectKey(command.a);
        mResumeAtFrame = frame + 1;
    } else if (command.name == "expect-state" && game.State != command.a) {
        Fail(game, kExpectationFailed,
             where + "expected state " + std::to_string(command.a) + ", the game shows " + std::to_string(game.State));
        return false;
    } else if (command.name == "dump-windows" || command.name == "screenshot") {
        return WriteOutput(game, command, where);
    } else if (command.name == "expect-window" && !ShellHooks::IsWindowOpen(command.text)) {
        Fail(game, kExpectationFailed, where + "expected window " + command.text + " to be open");
        return false;
    }
    return true;
}

std::string AutoplayScript::ResolveOutput(const std::string& file) const
{
    const std::filesystem::path path(file);
    if (path.is_absolute() || mOutputFolder.empty())
        return file;
    return (std::filesystem::path(mOutputFolder) / path).string();
}

bool AutoplayScript::WriteOutput(Game& game, const Command& command, const std::string& where)
{
    const std::string path = ResolveOutput(command.text);
    bool written = false;
    if (command.name == "screenshot") {
        SdlVideo& video = GetSdlVideo();
        std::vector<uint32_t> argb;
        written = video.ReadLogicalPixels(argb) &&
                  ImageWriter::SavePng(argb, video.LogicalWidth(), video.LogicalHeight(), path);
    } else {
        std::error_code ec;
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        if (!folder.empty())
            std::filesystem::create_directories(folder, ec);
        std::ofstream out(path, std::ios::binary);
        out << ShellHooks::DumpWindows(game.State);
        written = static_cast<bool>(out);
    }
    if (!written) {
        Fail(game, kCannotWrite, where + "cannot write " + path);
        return false;
    }
    return true;
}
