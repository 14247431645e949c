#include "engine/AutoplayScript.h"

#include <cstdio>
#include <sstream>

#include "engine/DebugLog.h"
#include "engine/Game.h"
#include "platform/PlatformFiles.h"
#include "platform/sdl/SdlEvents.h"

namespace {

bool ArgumentCount(const std::string& name, int& count)
{
    if (name == "wait" || name == "key" || name == "expect-state" || name == "timeout") {
        count = 1;
        return true;
    }
    if (name == "click") {
        count = 2;
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
        Command command;
        command.line = lineNumber;
        if (!(line >> command.name) || command.name[0] == '#')
            continue;
        int count = 0;
        bool ok = ArgumentCount(command.name, count);
        if (ok && count >= 1)
            ok = static_cast<bool>(line >> command.a);
        if (ok && count >= 2)
            ok = static_cast<bool>(line >> command.b);
        std::string extra;
        if (ok && (line >> extra))
            ok = false;
        if (!ok) {
            if (error)
                *error = fileName + " line " + std::to_string(lineNumber) + ": cannot read \"" + raw + "\"";
            mCommands.clear();
            return false;
        }
        if (command.name == "timeout")
            mTimeoutFrames = command.a;
        else
            mCommands.push_back(command);
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
    game.Shutdown();
    game.PostQuit(exitCode);
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
        if (command.name == "wait") {
            mResumeAtFrame = frame + command.a;
        } else if (command.name == "click") {
            SdlEvents::InjectClick(command.a, command.b);
            mResumeAtFrame = frame + 1;
        } else if (command.name == "key") {
            SdlEvents::InjectKey(command.a);
            mResumeAtFrame = frame + 1;
        } else if (command.name == "expect-state") {
            if (game.State != command.a) {
                Fail(game, kExpectationFailed,
                     mFileName + " line " + std::to_string(command.line) + ": expected state " +
                         std::to_string(command.a) + ", the game shows " + std::to_string(game.State));
                return;
            }
        }
    }
}
