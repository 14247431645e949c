#include "engine/AutoplayScript.h"

#include <SDL.h>

#include <cstdio>
#include <sstream>

#include "engine/DebugLog.h"
#include "engine/Game.h"
#include "platform/PlatformFiles.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlVideo.h"

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

void PushMouseButton(Uint32 type, int x, int y)
{
    SDL_Event event{};
    event.type = type;
    event.button.windowID = SDL_GetWindowID(GetSdlVideo().Window());
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

void PushKey(Uint32 type, int sdlScancode)
{
    SDL_Event event{};
    event.type = type;
    event.key.windowID = SDL_GetWindowID(GetSdlVideo().Window());
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = static_cast<SDL_Scancode>(sdlScancode);
    event.key.keysym.sym = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(sdlScancode));
    SDL_PushEvent(&event);
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
    commands_.clear();
    fileName_ = fileName;
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
            commands_.clear();
            return false;
        }
        if (command.name == "timeout")
            timeoutFrames_ = command.a;
        else
            commands_.push_back(command);
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
    if (frame >= timeoutFrames_) {
        Fail(game, kTimedOut, "still running after " + std::to_string(timeoutFrames_) + " frames");
        return;
    }
    while (next_ < commands_.size() && frame >= resumeAtFrame_) {
        const Command& command = commands_[next_++];
        if (command.name == "wait") {
            resumeAtFrame_ = frame + command.a;
        } else if (command.name == "click") {
            // Screen pixels to window pixels through the letterbox.
            SdlVideo& video = GetSdlVideo();
            SdlVideo::Box box = video.LetterboxInWindow();
            int x = command.a;
            int y = command.b;
            if (box.w > 0 && video.LogicalWidth() > 0) {
                x = box.x + command.a * box.w / video.LogicalWidth();
                y = box.y + command.b * box.h / video.LogicalHeight();
            }
            SDL_WarpMouseInWindow(video.Window(), x, y);
            PushMouseButton(SDL_MOUSEBUTTONDOWN, x, y);
            PushMouseButton(SDL_MOUSEBUTTONUP, x, y);
            resumeAtFrame_ = frame + 1;
        } else if (command.name == "key") {
            int sdlScancode = SdlInput::FromScanCode(command.a);
            PushKey(SDL_KEYDOWN, sdlScancode);
            PushKey(SDL_KEYUP, sdlScancode);
            resumeAtFrame_ = frame + 1;
        } else if (command.name == "expect-state") {
            if (game.State != command.a) {
                Fail(game, kExpectationFailed,
                     fileName_ + " line " + std::to_string(command.line) + ": expected state " +
                         std::to_string(command.a) + ", the game shows " + std::to_string(game.State));
                return;
            }
        }
    }
}
